#include "app/Screenshot.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QToolButton>
#include <cstdio>
#include <string>

#include "app/MainWindow.h"
#include "app/QtModalUi.h"
#include "app/Startup.h"
#include "app/ToolPalette.h"
#include "generate/Quasitiler.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

void triggerItem(TForm1& window, const char* caption) {
    if (QAction* action = window.menuItem(caption)) action->trigger();
}

void pressPaletteButton(TForm2& palette, const QString& hint) {
    for (QToolButton* button : palette.findChildren<QToolButton*>())
        if (button->accessibleName() == hint) button->click();
}

// `image` at (x, y) with a one-pixel frame just outside it.
void drawFramed(QPainter& painter, const QImage& image, int x, int y) {
    painter.setPen(QColor::fromRgb(ScreenshotLayout::kFrame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x - 1, y - 1, image.width() + 1, image.height() + 1);
    painter.drawImage(QRect(x, y, image.width(), image.height()), image);
}

}  // namespace

QImage drawScreenshot(int radius) {
    using L = ScreenshotLayout;
    QtModalUi ui;
    TForm1 window(ui);
    window.resize(L::kWindowWidth, L::kWindowHeight);
    window.show();
    QApplication::processEvents();

    // What a person does: generate a patch (the quasitiler dialog's "do it"),
    // see all of it, colour it by angle and pick the colorize tool, which
    // uncovers the palette's swatches.
    runQuasitiler(window.tiling(), window.shell(), radius);
    triggerItem(window, "1:2");
    triggerItem(window, "by angle");
    pressPaletteButton(window.toolPalette(), "colorize");
    QApplication::processEvents();

    // Grabbed at one image pixel per widget pixel whatever the screen's
    // device pixel ratio, so that the layout's numbers hold.
    const QImage main =
        window.grab().toImage().scaled(window.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    TForm2& palette = window.toolPalette();
    const QImage tools =
        palette.grab().toImage().scaled(palette.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    const int mainX = L::kMargin + tools.width() + L::kMargin;
    QImage picture(mainX + main.width() + L::kMargin, L::kMargin + main.height() + L::kMargin,
                   QImage::Format_RGB32);
    picture.fill(L::kBackground);
    QPainter painter(&picture);
    drawFramed(painter, tools, L::kMargin, L::kMargin + L::kPaletteTop);
    drawFramed(painter, main, mainX, L::kMargin);
    painter.end();
    window.tiling().modified = 0;  // nothing to ask on closing
    return picture;
}

int writeScreenshot(const QStringList& args) {
    bool ok = true;
    const int radius = args.size() > 3 ? args[3].toInt(&ok) : ScreenshotLayout::kRadius;
    if (args.size() < 3 || args.size() > 4 || !ok || radius < kQuasiMinRadius || radius > kQuasiMaxRadius) {
        std::fprintf(stderr, "usage: rho --screenshot FILE.png [RADIUS 5..50]\n");
        return 2;
    }
    const QByteArray name = QFile::encodeName(args[2]);
    const std::string path(name.constData(), static_cast<std::size_t>(name.size()));
    if (!writePng(drawScreenshot(radius), path)) {
        std::fprintf(stderr, "rho: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace rho
