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

private:
    struct Parts;
    Parts* parts_;
};

}  // namespace rho
