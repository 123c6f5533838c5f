#include "support/FakeShell.h"

namespace rho::test {

namespace {
// A bitmap that records what is drawn and encodes as the text
// "bitmap <width>x<height>\n".
class RecordingBitmap : public OffscreenBitmap {
public:
    RecordingBitmap(FakeShell& shell, int w, int h) : shell_(shell), surface_(w, h), w_(w), h_(h) {}
    Surface& surface() override { return surface_; }
    bool encode(std::string& bytes) override {
        if (shell_.bitmapEncodingFails) return false;
        bytes = "bitmap " + std::to_string(w_) + "x" + std::to_string(h_) + "\n";
        return true;
    }

private:
    FakeShell& shell_;
    RecordingSurface surface_;
    int w_, h_;
};
}  // namespace

std::vector<std::string> FakeShell::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

Answer FakeShell::messageBox(const std::string& text, Buttons buttons) {
    messages.push_back({text, buttons});
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return asksYesNo(buttons) ? Answer::Yes : Answer::Ok;
}

std::optional<FileChoice> FakeShell::openFileDialog(const FileDialogRequest& request) {
    dialogs.push_back({false, request});
    if (fileChoices.empty()) return std::nullopt;
    auto c = fileChoices.front();
    fileChoices.pop_front();
    return c;
}

std::optional<Color> FakeShell::colorDialog(Color) {
    if (colorChoices.empty()) return std::nullopt;
    auto c = colorChoices.front();
    colorChoices.pop_front();
    return c;
}

std::optional<FileChoice> FakeShell::saveFileDialog(const FileDialogRequest& request) {
    dialogs.push_back({true, request});
    if (fileChoices.empty()) return std::nullopt;
    auto c = fileChoices.front();
    fileChoices.pop_front();
    return c;
}

void FakeShell::setStatusPanels(std::string_view shapes, std::string_view tool, std::string_view status) {
    panels[0] = std::string(shapes);
    panels[1] = std::string(tool);
    panels[2] = std::string(status);
    statusHistory.push_back(panels[2]);
    ++refreshCount;
}

void FakeShell::setProgressPosition(int position) {
    progressPos = position;
    progressPositions.push_back(position);
}

Color FakeShell::systemColor(SystemColor which) const {
    switch (which) {
        case SystemColor::Window: return window;
        case SystemColor::ButtonShadow: return buttonShadow;
        case SystemColor::ButtonHighlight: return buttonHighlight;
        default: return buttonFace;
    }
}

std::unique_ptr<OffscreenBitmap> FakeShell::createBitmap(int width, int height) {
    bitmapWidth = width;
    bitmapHeight = height;
    return std::make_unique<RecordingBitmap>(*this, width, height);
}

}  // namespace rho::test
