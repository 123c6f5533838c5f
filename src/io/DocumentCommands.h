#pragma once
// The document commands of the main window: new, open, save, save as and a
// tiling file dropped on the window. Each asks its questions and shows its
// dialogs through the Shell.

#include "io/FileDrop.h"

namespace rho {

struct Tiling;
class Shell;

// "new" and the "new tile" button: empties the document after asking
// "Do you want save current file?" when it is modified or has a name.
void new1Click(Tiling& t, Shell& shell);
void SpeedButton1Click(Tiling& t, Shell& shell);

// "open..." and the "open" button.
void open1Click(Tiling& t, Shell& shell);
void SpeedButton3Click(Tiling& t, Shell& shell);

// "save..." and the "save" button: asks for a name only while the
// document is untitled.
void save1Click(Tiling& t, Shell& shell);
void SpeedButton2Click(Tiling& t, Shell& shell);

// "save as...": writes under a new name and moves neither the modified nor
// the untitled flag.
void saveas1Click(Tiling& t, Shell& shell);

// A file dropped on the main window: the first dropped file is opened when
// its extension is exactly "rho".
void Dropper1Drop(Tiling& t, Shell& shell, const FileDropTarget& dropper);

}  // namespace rho
