#include <gtest/gtest.h>

#include <QImage>

#include "app/QtSurface.h"

namespace rho {
namespace {

constexpr Color kWhite = 0xffffff;
constexpr Color kBlack = 0x000000;

TEST(QtSurface, StrokesFillsAndWidePens) {
    QImage img(60, 60, QImage::Format_RGB32);
    img.fill(toQColor(0x336699));
    const QImage before = img.copy();
    QtSurface s(img);
    const PixelPoint tri[4] = {{5, 5}, {50, 10}, {20, 50}, {5, 5}};
    s.setStrokeMode(StrokeMode::NotXor);
    s.setBrushStyle(BrushStyle::Clear);
    s.polygon(tri, 4);
    EXPECT_EQ(s.pixel(5, 5), 0xcc9966u);    // every bit inverted; 0x00BBGGRR both ways
    EXPECT_EQ(s.pixel(25, 25), 0x336699u);  // the inside untouched
    s.polygon(tri, 4);
    s.flush();
    EXPECT_EQ(img, before);

    // A pen wider than one pixel is drawn by QPainter, in the same place.
    s.setStrokeMode(StrokeMode::Copy);
    s.setStrokeWidth(3);
    s.moveTo(10, 30);
    s.lineTo(50, 30);
    EXPECT_EQ(s.pixel(30, 29), kBlack);
    EXPECT_EQ(s.pixel(30, 31), kBlack);
    EXPECT_EQ(s.pixel(30, 33), 0x336699u);
}

TEST(QtSurface, FloodFillIsIterativeAndClipped) {
    QImage img(2000, 2000, QImage::Format_RGB32);
    img.fill(Qt::white);
    QtSurface s(img);
    s.setBrushStyle(BrushStyle::Clear);
    s.rectangle(100, 100, 200, 200);
    s.setPixel(150, 150, 0x00ff00);
    // Outside the frame: nearly four million pixels, no recursion.
    s.floodFill(0, 0, 0x0000ff);
    EXPECT_EQ(s.pixel(1999, 1999), 0x0000ffu);
    EXPECT_EQ(s.pixel(100, 150), kBlack);
    EXPECT_EQ(s.pixel(120, 120), kWhite);  // inside the frame: not connected
    EXPECT_EQ(s.pixel(-1, 5), 0u);         // reads never leave the image

    s.setClipRect(110, 110, 130, 130);
    s.floodFill(120, 120, 0xff0000);
    EXPECT_EQ(s.pixel(125, 125), 0xff0000u);
    EXPECT_EQ(s.pixel(140, 140), kWhite);
    s.clearClip();
    EXPECT_EQ(s.pixel(150, 150), 0x00ff00u);
}

}  // namespace
}  // namespace rho
