#pragma once
// A Surface over a QImage (the view's back buffer or an offscreen bitmap).
// One-pixel strokes and their fills are rasterized straight into the
// image's scanlines; wider strokes go through a QPainter kept open between
// calls. Pixel access and flood fill work on the scanlines directly.

#include <QImage>
#include <QPainter>
#include <QPen>
#include <memory>

#include "render/PixelRaster.h"
#include "render/Surface.h"

namespace rho {

QColor toQColor(Color color);
Color fromQRgb(QRgb rgb);

class QtSurface : public Surface {
public:
    // Draws on `image`, which must outlive the surface and be of format RGB32.
    explicit QtSurface(QImage& image);
    // Draws on `device` (a printer, say), which must outlive the surface.
    explicit QtSurface(QPaintDevice& device);
    ~QtSurface() override;

    void setStrokeColor(Color color) override;
    void setStrokeWidth(int width) override;
    void setStrokeMode(StrokeMode mode) override;
    void setBrushColor(Color color) override;
    void setBrushStyle(BrushStyle style) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(const PixelPoint* points, int count) override;
    void rectangle(int x1, int y1, int x2, int y2) override;

    Color pixel(int x, int y) const override;
    void setPixel(int x, int y, Color color) override;
    void floodFill(int x, int y, Color fill) override;

    void setClipRect(int left, int top, int right, int bottom) override;
    void clearClip() override;

    int width() const override;
    int height() const override;
    PixelRows pixelRows() override;

    // Starts painting at once; false when the device refuses it.
    bool begin();
    // Ends painting so that the image can be read or shown (on a printer:
    // sends the page); false when the device reported a failure.
    bool flush();
    QImage& image() { return image_; }
    // Puts `picture` on the surface pixel for pixel, its top-left corner at
    // (x, y), without lossy compression where the device compresses
    // pictures (a PDF page).
    void drawImage(int x, int y, const QImage& picture);

private:
    QPainter& painter();
    PixelBuffer buffer();
    bool rasterizes() const;
    void applyState();

    QImage noImage_;  // what image_ refers to over another paint device
    QImage& image_;
    QPaintDevice* device_ = nullptr;
    QPainter painter_;
    bool painting_ = false;
    bool stateDirty_ = true;

    Color strokeColor_ = 0;
    int strokeWidth_ = 1;
    StrokeMode strokeMode_ = StrokeMode::Copy;
    Color brushColor_ = 0xffffff;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    bool clipped_ = false;
    QRect clip_;
    int penX_ = 0;
    int penY_ = 0;
};

}  // namespace rho
