#pragma once
// A shell for commands run without a window: messages are kept for the
// caller, dialogs are cancelled, the status line and progress bar go
// nowhere, the view draws nothing, and no bitmap can be made.

#include <string>
#include <vector>

#include "render/NullSurface.h"
#include "tiling/Shell.h"

namespace rho {

class QuietShell : public Shell {
public:
    // Every message shown, in order.
    std::vector<std::string> messages;
    // The answer to Yes/No questions (Yes abandons a command that would discard work).
    Answer yesNoAnswer = Answer::Yes;

    Answer messageBox(const std::string& text, Buttons buttons) override {
        messages.push_back(text);
        return asksYesNo(buttons) ? yesNoAnswer : Answer::Ok;
    }
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
    void setButtonDown(const std::string&, bool) override {}
    // The classic desktop colours: button face (212, 208, 200), window white.
    Color systemColor(SystemColor which) const override {
        return which == SystemColor::ButtonFace ? 0xc8d0d4 : which == SystemColor::ButtonShadow ? 0x808080 : 0xffffff;
    }
    // A desktop screen of 1920 x 1080 pixels.
    int screenWidth() const override { return 1920; }
    int screenHeight() const override { return 1080; }
    std::unique_ptr<OffscreenBitmap> createBitmap(int, int) override { return nullptr; }

private:
    NullSurface view_{583, 415};
};

}  // namespace rho
