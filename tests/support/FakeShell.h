#pragma once
// A scripted Shell for tests: records what commands ask and answers from
// queues filled by the test.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/RecordingSurface.h"
#include "tiling/Shell.h"

namespace rho::test {

struct ShownMessage {
    std::string text;
    Buttons buttons;
};

struct DialogCall {
    bool save = false;
    FileDialogRequest request;
};

class FakeShell : public Shell {
public:
    FakeShell(int clientWidth = 583, int clientHeight = 415) : width_(clientWidth), height_(clientHeight) {}

    // Scripted answers; when a queue is empty the dialog is cancelled and a
    // message box answers with its first button.
    std::deque<Answer> answers;
    std::deque<std::optional<FileChoice>> fileChoices;
    std::deque<std::optional<Color>> colorChoices;

    // What was asked.
    std::vector<ShownMessage> messages;
    std::vector<DialogCall> dialogs;
    std::vector<std::string> statusHistory;  // panel 2 at every refresh
    std::string panels[3];
    int refreshCount = 0;
    int progressMax = 0, progressPos = 0;
    std::vector<int> progressPositions;
    bool captured = false;
    std::string caption;
    int screenW = 1920, screenH = 1080;
    Color buttonFace = 0xc8d0d4, window = 0xffffff;
    Color buttonShadow = 0x808080, buttonHighlight = 0xfefefe;
    bool bitmapEncodingFails = false;
    int bitmapWidth = -1, bitmapHeight = -1;  // size of the last bitmap made
    // Menu check marks, enabled states and speed buttons, by caption or hint.
    std::map<std::string, bool> menuChecked, menuEnabled, buttonDown;

    // The view surface; tests may point it at a pixel surface.
    Surface* surface = &recording;
    RecordingSurface recording;

    void setClientSize(int w, int h) {
        width_ = w;
        height_ = h;
    }
    std::vector<std::string> messageTexts() const;

    Answer messageBox(const std::string& text, Buttons buttons) override;
    std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<Color> colorDialog(Color initial) override;
    void setStatusPanels(std::string_view shapes, std::string_view tool, std::string_view status) override;
    void setProgressRange(int, int maximum) override { progressMax = maximum; }
    void setProgressPosition(int position) override;
    void captureMouse() override { captured = true; }
    void releaseMouse() override { captured = false; }
    Surface& viewSurface() override { return *surface; }
    int clientWidth() const override { return width_; }
    int clientHeight() const override { return height_; }
    void setCaption(const std::string& text) override { caption = text; }
    void setMenuChecked(const std::string& item, bool checked) override { menuChecked[item] = checked; }
    void setMenuEnabled(const std::string& item, bool enabled) override { menuEnabled[item] = enabled; }
    void setButtonDown(const std::string& hint, bool down) override { buttonDown[hint] = down; }
    Color systemColor(SystemColor which) const override;
    int screenWidth() const override { return screenW; }
    int screenHeight() const override { return screenH; }
    std::unique_ptr<OffscreenBitmap> createBitmap(int width, int height) override;

private:
    int width_;
    int height_;
};

}  // namespace rho::test
