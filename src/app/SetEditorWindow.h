#pragma once
// The set editor window (TForm4): menus, the top panel with the shape,
// grid and snapping buttons, the left panel with the six tools and the two
// colour swatches, the two-panel status bar and the drawing area. It only
// forwards events to the editor's commands and shows what they draw.

#include <QMainWindow>
#include <memory>

namespace rho {

struct Tiling;
struct SetEditor;
class Shell;
class ModalUi;

class TForm4 : public QMainWindow {
    Q_OBJECT
public:
    TForm4(Tiling& t, Shell& mainShell, ModalUi& ui, QWidget* mainWindow);
    ~TForm4() override;

    SetEditor& editor();
    // The drawing area, where the mouse tools work.
    QWidget* drawingArea();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace rho
