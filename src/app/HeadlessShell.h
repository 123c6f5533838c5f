#pragma once
// The shell of commands run without a window (the command-line tool):
// messages are kept for the caller to report, dialogs are cancelled, the
// view draws nothing, and bitmaps are real pixels in memory.

#include <string>
#include <string_view>
#include <vector>

#include "render/NullSurface.h"
#include "tiling/Shell.h"

namespace rho {

class HeadlessShell : public Shell {
public:
    // Every message shown, in order.
    std::vector<std::string> messages;
    // Format the offscreen bitmaps are saved in ("BMP" or "PNG").
    std::string bitmapFormat = "BMP";

    Answer messageBox(const std::string& text, Buttons buttons) override;
    std::optional<FileChoice> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<Color> colorDialog(Color) override { return std::nullopt; }
    void setStatusPanels(std::string_view, std::string_view, std::string_view) override {}
    void setProgressRange(int, int) override {}
    void setProgressPosition(int) override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    Surface& viewSurface() override { return view_; }
    int clientWidth() const override { return 583; }
    int clientHeight() const override { return 415; }
    void setCaption(const std::string&) override {}
    void setMenuChecked(const std::string&, bool) override {}
    void setMenuEnabled(const std::string&, bool) override {}
    // The classic desktop colours: button face (212, 208, 200), window white.
    Color systemColor(SystemColor which) const override;
    // A desktop screen of 1920 x 1080 pixels bounds the bitmaps.
    int screenWidth() const override { return 1920; }
    int screenHeight() const override { return 1080; }
    std::unique_ptr<OffscreenBitmap> createBitmap(int width, int height) override;

private:
    NullSurface view_{583, 415};
};

}  // namespace rho
