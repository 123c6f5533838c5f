#pragma once
// The set editor window's side of the Shell: its drawing area as the view
// surface, its two status panels, its caption, its menu check marks and
// button states; every question goes through ModalUi.

#include <QImage>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "app/QtSurface.h"
#include "tiling/Shell.h"

class QAction;
class QAbstractButton;
class QLabel;
class QWidget;

namespace rho {

class ModalUi;

class SetEditorShell : public Shell {
public:
    SetEditorShell(QWidget* window, QWidget* mainWindow, ModalUi& ui);
    ~SetEditorShell() override;

    // The parts of the window it writes to.
    QWidget* drawingArea = nullptr;
    QLabel* panels[3] = {nullptr, nullptr, nullptr};  // objects, tool, last undo or redo
    std::map<std::string, QAction*> menuItems;        // by caption
    std::map<std::string, QAbstractButton*> buttons;  // by hint

    // A new back buffer of the drawing area's size, with `scale` device
    // pixels per pixel of the area (its screen's whole device pixel ratio).
    void resizeBuffer(int width, int height, int scale = 1);
    // The back buffer as drawn so far, and its device pixels per area pixel.
    const QImage& buffer();
    int bufferScale() const { return surface_->scale(); }
    // Puts every check mark and button back to the state last set, after Qt
    // has toggled the one the user clicked.
    void restoreChecks();

    Answer messageBox(const std::string& text, Buttons buttons) override;
    std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<Color> colorDialog(Color initial) override;
    void setStatusPanels(std::string_view shapes, std::string_view tool, std::string_view status) override;
    void setProgressRange(int, int) override {}
    void setProgressPosition(int) override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    Surface& viewSurface() override { return *surface_; }
    int clientWidth() const override { return surface_->width(); }
    int clientHeight() const override { return surface_->height(); }
    void setCaption(const std::string& caption) override;
    void setMenuChecked(const std::string& item, bool checked) override;
    void setMenuEnabled(const std::string& item, bool enabled) override;
    void setButtonDown(const std::string& hint, bool down) override;
    Color systemColor(SystemColor which) const override;
    int screenWidth() const override;
    int screenHeight() const override;
    std::unique_ptr<OffscreenBitmap> createBitmap(int, int) override { return nullptr; }

private:
    QWidget* window_;
    QPointer<QWidget> mainWindow_;
    ModalUi& ui_;
    QImage image_{1, 1, QImage::Format_RGB32};
    std::unique_ptr<QtSurface> surface_;
    std::map<std::string, bool> checked_, down_;
};

}  // namespace rho
