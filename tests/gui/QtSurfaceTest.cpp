#include <gtest/gtest.h>

#include <QImage>

#include "app/QtSurface.h"

namespace rho {
namespace {

constexpr Color kWhite = 0xffffff;
constexpr Color kBlack = 0x000000;

QImage blank(int w, int h, Color c = kWhite) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(toQColor(c));
    return img;
}

TEST(QtSurface, NotXorStrokeInvertsAndRestores) {
    QImage img = blank(60, 60, 0x336699);
    const QImage before = img.copy();
    QtSurface s(img);
    const PixelPoint tri[4] = {{5, 5}, {50, 10}, {20, 50}, {5, 5}};
    s.setStrokeColor(kBlack);
    s.setStrokeMode(StrokeMode::NotXor);
    s.setBrushStyle(BrushStyle::Clear);
    s.polygon(tri, 4);
    s.flush();
    EXPECT_NE(img, before);
    EXPECT_EQ(s.pixel(5, 5), 0xcc9966u);  // every bit of the colour inverted
    EXPECT_EQ(s.pixel(30, 30), 0x336699u);  // interior untouched
    s.polygon(tri, 4);
    s.flush();
    EXPECT_EQ(img, before);
}

TEST(QtSurface, RectangleCoversHalfOpenRange) {
    QImage img = blank(40, 40);
    QtSurface s(img);
    s.setStrokeColor(kBlack);
    s.setBrushColor(0x0000ff);
    s.rectangle(10, 20, 30, 35);
    EXPECT_EQ(s.pixel(10, 20), kBlack);
    EXPECT_EQ(s.pixel(29, 34), kBlack);
    EXPECT_EQ(s.pixel(30, 34), kWhite);
    EXPECT_EQ(s.pixel(29, 35), kWhite);
    EXPECT_EQ(s.pixel(20, 27), 0x0000ffu);
    // Reversed corners give the same rectangle.
    QImage other = blank(40, 40);
    QtSurface r(other);
    r.setStrokeColor(kBlack);
    r.setBrushColor(0x0000ff);
    r.rectangle(30, 35, 10, 20);
    s.flush();
    r.flush();
    EXPECT_EQ(img, other);
}

TEST(QtSurface, PixelsFloodFillAndClip) {
    QImage img = blank(2000, 2000);
    QtSurface s(img);
    s.setStrokeColor(kBlack);
    s.setBrushStyle(BrushStyle::Clear);
    s.rectangle(100, 100, 200, 200);
    s.setPixel(150, 150, 0x00ff00);
    EXPECT_EQ(s.pixel(150, 150), 0x00ff00u);
    EXPECT_EQ(s.pixel(-1, 5), 0u);  // outside reads as black, never past the image

    // Outside the frame: nearly four million pixels, filled without recursion.
    s.floodFill(0, 0, 0x0000ff);
    EXPECT_EQ(s.pixel(1999, 1999), 0x0000ffu);
    EXPECT_EQ(s.pixel(99, 150), 0x0000ffu);
    EXPECT_EQ(s.pixel(100, 150), kBlack);
    EXPECT_EQ(s.pixel(120, 120), kWhite);  // inside the frame: not connected
    EXPECT_EQ(s.pixel(150, 150), 0x00ff00u);

    // A clip rectangle bounds both drawing and filling.
    s.setClipRect(110, 110, 130, 130);
    s.floodFill(120, 120, 0xff0000);
    EXPECT_EQ(s.pixel(125, 125), 0xff0000u);
    EXPECT_EQ(s.pixel(140, 140), kWhite);
    s.setBrushColor(0x00ffff);
    s.rectangle(100, 100, 200, 200);
    s.clearClip();
    EXPECT_EQ(s.pixel(115, 115), 0x00ffffu);
    EXPECT_EQ(s.pixel(105, 105), kWhite);
}

TEST(QtSurface, LineLeavesOutItsEndPixel) {
    QImage img = blank(20, 20);
    QtSurface s(img);
    s.setStrokeColor(kBlack);
    s.moveTo(2, 5);
    s.lineTo(12, 5);
    EXPECT_EQ(s.pixel(2, 5), kBlack);
    EXPECT_EQ(s.pixel(11, 5), kBlack);
    EXPECT_EQ(s.pixel(12, 5), kWhite);
}

}  // namespace
}  // namespace rho
