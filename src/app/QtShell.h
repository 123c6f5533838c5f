#pragma once
// The Shell over the main window: status panels, progress bar, mouse
// capture, the view's back buffer, caption, menu items by caption and speed
// buttons by hint, desktop colours and screen; every modal question goes to
// the ModalUi.

#include "app/MainWindowParts.h"
#include "tiling/Shell.h"

namespace rho {

class ModalUi;

class QtShell : public Shell {
public:
    QtShell(MainWindowParts& parts, ModalUi& ui) : parts_(parts), ui_(ui) {}

    Answer messageBox(const std::string& text, Buttons buttons) override;
    std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<Color> colorDialog(Color initial) override;

    void setStatusPanels(std::string_view shapes, std::string_view tool, std::string_view status) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPosition(int position) override;

    void captureMouse() override;
    void releaseMouse() override;

    Surface& viewSurface() override;
    int clientWidth() const override;
    int clientHeight() const override;

    void setCaption(const std::string& caption) override;
    // The menu item with this caption; setMenuEnabled also applies to the
    // speed button with this hint, so that an item and its button agree.
    void setMenuChecked(const std::string& item, bool checked) override;
    void setMenuEnabled(const std::string& item, bool enabled) override;
    // Putting down a button of the display group raises the other two.
    void setButtonDown(const std::string& hint, bool down) override;

    Color systemColor(SystemColor which) const override;
    int screenWidth() const override;
    int screenHeight() const override;
    std::unique_ptr<OffscreenBitmap> createBitmap(int width, int height) override;

    // The progress bar holds 16-bit values.
    static int progressValue(int value);

private:
    void showProgress();

    MainWindowParts& parts_;
    ModalUi& ui_;
    int shownPercent_ = -1;
};

}  // namespace rho
