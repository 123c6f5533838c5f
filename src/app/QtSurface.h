#pragma once
// A Surface over a QImage (the view's back buffer or an offscreen bitmap).
// One-pixel strokes and their fills are rasterized straight into the
// image's scanlines; wider strokes go through a QPainter kept open between
// calls. Pixel access and flood fill work on the scanlines directly.
//
// An image whose device pixel ratio is an integer s above 1 (a back buffer
// on a high-density screen) keeps s x s device pixels for each pixel of the
// surface's coordinates, which stay those of the widget. Every one-pixel
// line, outline and hatch line is then one device pixel wide, drawn between
// the device pixels (s x, s y) of its end points; fills cover the device
// pixels whose centres lie inside. pixel() reads the top-left device pixel of
// a coordinate's block, setPixel() writes the whole block, setLineEnd() the
// top-left device pixel alone; not-xor works on every device pixel, so a
// second drawing still removes the first; floodFill() fills the connected
// device pixels, starting from the block's top-left one, so crisp lines
// still bound it.

#include <QImage>
#include <QPainter>
#include <QPen>
#include <memory>

#include "render/PixelRaster.h"
#include "render/Surface.h"

namespace rho {

QColor toQColor(Color color);
Color fromQRgb(QRgb rgb);

// The device pixels per widget pixel of a back buffer shown at this device
// pixel ratio: its whole part, at least 1, so that the screen never shows
// fewer pixels than the buffer holds (a fraction would drop one-pixel lines).
int bufferScale(qreal devicePixelRatio);

// A white back buffer of `size` widget pixels at `scale` device pixels each.
QImage backBuffer(QSize size, int scale);

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
    void setLineEnd(int x, int y, Color color) override;
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
    // Device pixels per surface pixel along each axis (1 over other devices).
    int scale() const { return scale_; }

private:
    QPainter& painter();
    PixelBuffer buffer();
    bool rasterizes() const;
    void applyState();
    // The device pixel of surface coordinate v (saturated far beyond any image).
    int device(int v) const;
    // The clip rectangle (or the whole image) in device pixels.
    QRect deviceArea() const;

    QImage noImage_;  // what image_ refers to over another paint device
    QImage& image_;
    QPaintDevice* device_ = nullptr;
    int scale_ = 1;
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
