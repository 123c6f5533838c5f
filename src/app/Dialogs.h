#pragma once
// The main window's modal dialogs and the set editor, as the menu commands
// that open them. Each dialog is made anew, run through ModalUi::execDialog
// and thrown away; the set editor is modeless, one at a time.

class QWidget;

namespace rho {

struct Tiling;
class Shell;
class ModalUi;
class Printer;

// tools > "set bounding box..." (TForm3).
void setboundingbox1Click(Tiling& t, Shell& shell, ModalUi& ui, QWidget* parent);
// tools > "quasitiler..." (TForm6).
void quasitiler1Click(Tiling& t, Shell& shell, ModalUi& ui, QWidget* parent);
// rules > "penrose patch..." (the quasitiler's form with its own texts).
void penrosepatch1Click(Tiling& t, Shell& shell, ModalUi& ui, QWidget* parent);
// tools > "about..." (TForm7).
void about1Click(ModalUi& ui, QWidget* parent);
// tile > "printing opties..." (TForm5).
void printingopties1Click(Tiling& t, ModalUi& ui, QWidget* parent);
// set > "set editor..." and its speed button (TForm4): shows the editor,
// or brings the open one to the front.
void seteditor1Click(Tiling& t, Shell& mainShell, ModalUi& ui, QWidget* mainWindow);

}  // namespace rho
