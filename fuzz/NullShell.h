#pragma once
// A shell and a drawing surface that answer everything and record nothing,
// for fuzz targets that run the document commands without a window.

#include "render/Surface.h"
#include "tiling/Shell.h"

namespace rho::fuzz {

class NullSurface : public Surface {
public:
    void setStrokeColor(Color) override {}
    void setStrokeWidth(int) override {}
    void setStrokeMode(StrokeMode) override {}
    void setBrushColor(Color) override {}
    void setBrushStyle(BrushStyle) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void polygon(const PixelPoint*, int) override {}
    void rectangle(int, int, int, int) override {}
    Color pixel(int, int) const override { return 0; }
    void setPixel(int, int, Color) override {}
    void floodFill(int, int, Color) override {}
    void setClipRect(int, int, int, int) override {}
    void clearClip() override {}
    int width() const override { return 583; }
    int height() const override { return 415; }
};

class NullShell : public Shell {
public:
    int messages = 0;

    Answer messageBox(const std::string&, Buttons buttons) override {
        ++messages;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    std::optional<FileChoice> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<Color> colorDialog(Color) override { return std::nullopt; }
    void setStatusPanels(std::string_view, std::string_view, std::string_view) override {}
    void setProgressRange(int, int) override {}
    void setProgressPosition(int) override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    Surface& viewSurface() override { return surface_; }
    int clientWidth() const override { return 583; }
    int clientHeight() const override { return 415; }
    void setCaption(const std::string&) override {}
    void setMenuChecked(const std::string&, bool) override {}
    void setMenuEnabled(const std::string&, bool) override {}
    Color systemColor(SystemColor) const override { return 0xc0c0c0; }
    int screenWidth() const override { return 1920; }
    int screenHeight() const override { return 1080; }
    std::unique_ptr<OffscreenBitmap> createBitmap(int, int) override { return nullptr; }

private:
    NullSurface surface_;
};

}  // namespace rho::fuzz
