#pragma once
// What the commands ask of the application shell: message boxes, file and
// colour dialogs, status line, progress bar, mouse capture, the view's
// drawing surface, caption, menu states, screen size, offscreen bitmaps.
// The GUI layer implements it with Qt; tests use a scripted double.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tiling/Records.h"

namespace rho {

class Surface;

// Caption of every message box of the program.
inline constexpr const char* kMessageCaption = "rho 2.0 ";

// Yes and No come in two kinds, told apart by the answer that keeps the
// user's work; a box closed without a button (Escape, its close box) gives
// that answer:
//   YesNo        the unsaved-work questions, where Yes stops the command so
//                that the user can save first: Yes keeps the work;
//   YesNoSafeNo  the questions whose Yes throws work away ("clear"): No.
enum class Buttons { Ok, OkCancel, YesNo, YesNoSafeNo };
enum class Answer { Ok, Cancel, Yes, No };

inline bool asksYesNo(Buttons buttons) { return buttons == Buttons::YesNo || buttons == Buttons::YesNoSafeNo; }

struct FileDialogRequest {
    std::string title;
    std::string filter;      // "description|pattern|description|pattern"
    std::string defaultExt;  // empty: none
    bool mustExist = false;
    bool confirmOverwrite = false;
    std::string initialFolder;  // where the dialog starts; empty: its own choice
};

struct FileChoice {
    std::string path;
    int filterIndex = 1;  // 1-based entry of the filter
};

enum class SystemColor { ButtonFace, Window, ButtonShadow, ButtonHighlight };

// An offscreen picture that can be drawn on and encoded as the bytes of a
// picture file (a Windows bitmap unless the shell chose another format).
// The caller writes the bytes, so every picture is saved like every other
// file of the program.
class OffscreenBitmap {
public:
    virtual ~OffscreenBitmap() = default;
    virtual Surface& surface() = 0;
    // Replaces `bytes` with the picture's file; false when it cannot be encoded.
    virtual bool encode(std::string& bytes) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;

    // Modal message box captioned kMessageCaption.
    virtual Answer messageBox(const std::string& text, Buttons buttons) = 0;
    virtual std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<Color> colorDialog(Color initial) = 0;

    // The three status line panels, left to right.
    virtual void setStatusPanels(std::string_view shapes, std::string_view tool, std::string_view status) = 0;
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;

    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;

    // The main view: its drawing surface and client size in pixels.
    virtual Surface& viewSurface() = 0;
    virtual int clientWidth() const = 0;
    virtual int clientHeight() const = 0;

    virtual void setCaption(const std::string& caption) = 0;
    virtual void setMenuChecked(const std::string& item, bool checked) = 0;
    virtual void setMenuEnabled(const std::string& item, bool enabled) = 0;
    // Puts a speed button (named by its hint) down or up.
    virtual void setButtonDown(const std::string& hint, bool down) = 0;

    virtual Color systemColor(SystemColor which) const = 0;
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    // An offscreen bitmap of the given size (24 bits per pixel), or null.
    virtual std::unique_ptr<OffscreenBitmap> createBitmap(int width, int height) = 0;
};

}  // namespace rho
