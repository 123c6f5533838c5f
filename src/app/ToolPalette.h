#pragma once
// The floating tool palette (TForm2): eight tool buttons and twenty colour
// swatches over the main window's tiling.

#include <QWidget>

namespace rho {

struct Tiling;
class Shell;
class ModalUi;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // A tool window over `mainWindow`; the main window sets its width and shows it.
    TForm2(Tiling& t, Shell& shell, ModalUi& ui, QWidget* mainWindow);
    ~TForm2() override;

protected:
    // The window manager's close is ignored: without the palette no tool
    // could be chosen. A close from the program (the main window closing)
    // hides it as usual.
    void closeEvent(QCloseEvent* event) override;

private:
    // Builds the buttons and swatches: "edit" down, the current colour marked.
    void FormCreate();
    void toolClicked(int tool);
    // Swatch i's outline: 2 pixels of button shadow when current, else 1 black.
    void markSwatch(int i, bool current);
    // Shape1MouseDown .. Shape20MouseDown.
    void swatchMouseDown(int i, Qt::MouseButton button);

    struct Parts;
    Parts* parts_;
};

}  // namespace rho
