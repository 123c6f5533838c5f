#include "app/ToolPalette.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <array>
#include <functional>

#include "app/Glyphs.h"
#include "app/ModalUi.h"
#include "app/QtSurface.h"
#include "edit/PaletteCommands.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr int kButtonSize = 25;
constexpr int kSwatchWidth = 22;
constexpr int kSwatchHeight = 15;
// The palette heights 123 and 291 are outer heights of a tool window whose
// caption and borders take 26 pixels: client areas of 97 and 265 pixels end
// just below the tool buttons and just below the last swatch row.
constexpr int kToolFrameHeight = 26;

struct ToolButtonLayout {
    const char* name;
    const char* hint;
    int column;  // 0 or 1
    int row;     // 0..3
    ToolMode tool;
};

constexpr ToolButtonLayout kToolButtons[] = {
    {"SpeedButton1", "edit", 0, 0, ToolMode::Edit},
    {"SpeedButton4", "select", 1, 0, ToolMode::Select},
    {"SpeedButton2", "erase", 0, 1, ToolMode::Erase},
    {"SpeedButton5", "colorize", 1, 1, ToolMode::Colorize},
    {"SpeedButton3", "zoom", 0, 2, ToolMode::Zoom},
    {"SpeedButton6", "scroll", 1, 2, ToolMode::Scroll},
    {"SpeedButton7", "origo & bounding box", 0, 3, ToolMode::OrigoBoundingBox},
    {"SpeedButton8", "floodfill", 1, 3, ToolMode::Floodfill},
};

MouseButton toMouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Middle;
    }
}

// The glyph of each tool, 17 x 17 pixels, in black on a clear ground.
void drawToolGlyph(QPainter& p, ToolMode tool) {
    p.setPen(QPen(Qt::black, 1.2));
    switch (tool) {
    case ToolMode::Edit:  // a rhomb with a plus beside it
        p.drawPolygon(QPolygonF({{2, 9}, {7, 3}, {12, 9}, {7, 15}}));
        p.drawLine(QPointF(13, 2), QPointF(13, 7));
        p.drawLine(QPointF(10.5, 4.5), QPointF(15.5, 4.5));
        break;
    case ToolMode::Select: {  // an arrow pointer
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF({{4, 2}, {4, 14}, {7, 11}, {10, 16}, {12, 15}, {9, 10}, {13, 10}}));
        break;
    }
    case ToolMode::Erase:  // a cross
        p.setPen(QPen(Qt::black, 2.0));
        p.drawLine(QPointF(4, 4), QPointF(13, 13));
        p.drawLine(QPointF(13, 4), QPointF(4, 13));
        break;
    case ToolMode::Colorize:  // a filled rhomb
        p.setBrush(QColor(200, 40, 40));
        p.drawPolygon(QPolygonF({{2, 8.5}, {8.5, 2}, {15, 8.5}, {8.5, 15}}));
        break;
    case ToolMode::Zoom:  // a magnifying glass
        p.drawEllipse(QPointF(7, 7), 4.5, 4.5);
        p.setPen(QPen(Qt::black, 2.2));
        p.drawLine(QPointF(10.5, 10.5), QPointF(15, 15));
        break;
    case ToolMode::Scroll:  // arrows in four directions
        p.drawLine(QPointF(8.5, 2), QPointF(8.5, 15));
        p.drawLine(QPointF(2, 8.5), QPointF(15, 8.5));
        p.drawPolyline(QPolygonF({{6, 4.5}, {8.5, 2}, {11, 4.5}}));
        p.drawPolyline(QPolygonF({{6, 12.5}, {8.5, 15}, {11, 12.5}}));
        p.drawPolyline(QPolygonF({{4.5, 6}, {2, 8.5}, {4.5, 11}}));
        p.drawPolyline(QPolygonF({{12.5, 6}, {15, 8.5}, {12.5, 11}}));
        break;
    case ToolMode::OrigoBoundingBox:  // a cross of axes and a box
        p.drawLine(QPointF(5, 1), QPointF(5, 16));
        p.drawLine(QPointF(1, 5), QPointF(16, 5));
        p.drawRect(QRectF(8, 8, 7, 6));
        break;
    case ToolMode::Floodfill: {  // a tipped bucket with a drop
        p.drawPolygon(QPolygonF({{3, 7}, {9, 2}, {14, 8}, {8, 13}}));
        QPainterPath drop;
        drop.moveTo(14, 10);
        drop.quadTo(17, 15, 14, 16);
        drop.quadTo(11, 15, 14, 10);
        p.setBrush(QColor(40, 40, 200));
        p.drawPath(drop);
        break;
    }
    }
}

QIcon toolGlyph(ToolMode tool) {
    return paintedIcon(17, [tool](QPainter& p) { drawToolGlyph(p, tool); });
}

// One colour swatch: a filled rectangle with an outline of 1 or 2 pixels.
class Swatch : public QWidget {
public:
    Swatch(int index, QWidget* parent, std::function<void(int, Qt::MouseButton)> onPress)
        : QWidget(parent), index_(index), onPress_(std::move(onPress)) {
        setObjectName(QStringLiteral("Shape%1").arg(index));
        setAccessibleName(objectName());
    }
    void setFill(Color fill) {
        fill_ = fill;
        update();
    }
    void setOutline(int width, Color color) {
        outlineWidth_ = width;
        outline_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), toQColor(outline_));
        p.fillRect(rect().adjusted(outlineWidth_, outlineWidth_, -outlineWidth_, -outlineWidth_), toQColor(fill_));
    }
    void mousePressEvent(QMouseEvent* event) override { onPress_(index_, event->button()); }

private:
    int index_;
    std::function<void(int, Qt::MouseButton)> onPress_;
    Color fill_ = 0;
    Color outline_ = 0;
    int outlineWidth_ = 1;
};

}  // namespace

struct TForm2::Parts {
    Tiling& t;
    Shell& shell;
    ModalUi& ui;
    PaletteState state;
    QButtonGroup* group = nullptr;
    std::array<Swatch*, kSwatchCount + 1> swatches{};  // 1..20
};

TForm2::TForm2(Tiling& t, Shell& shell, ModalUi& ui, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      parts_(new Parts{t, shell, ui, {}}) {
    setWindowTitle(QStringLiteral("rho 2.0"));
    move(-1, 114);
    resize(55, kPaletteButtonsHeight - kToolFrameHeight);
    setFixedHeight(kPaletteButtonsHeight - kToolFrameHeight);
    FormCreate();
}

TForm2::~TForm2() { delete parts_; }

void TForm2::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) event->ignore();
    else event->accept();
}

void TForm2::FormCreate() {
    Parts& p = *parts_;
    p.group = new QButtonGroup(this);
    p.group->setExclusive(true);
    for (const ToolButtonLayout& layout : kToolButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(layout.name));
        button->setToolTip(QString::fromLatin1(layout.hint));
        button->setAccessibleName(QString::fromLatin1(layout.hint));
        button->setCheckable(true);
        button->setIcon(toolGlyph(layout.tool));
        button->setIconSize(QSize(17, 17));
        button->setGeometry(layout.column * 24, layout.row * 24, kButtonSize, kButtonSize);
        p.group->addButton(button, static_cast<int>(layout.tool));
    }
    p.group->button(static_cast<int>(ToolMode::Edit))->setChecked(true);
    connect(p.group, &QButtonGroup::idClicked, this, [this](int id) { toolClicked(id); });

    for (int i = 1; i <= kSwatchCount; ++i) {
        auto* swatch = new Swatch(i, this, [this](int index, Qt::MouseButton b) { swatchMouseDown(index, b); });
        const int column = i <= 10 ? 0 : 1;
        swatch->setGeometry(1 + 24 * column, 104 + 16 * ((i - 1) % 10), kSwatchWidth, kSwatchHeight);
        swatch->setFill(p.t.palette[i]);
        swatch->setToolTip(QString::fromStdString(swatchHint(p.t.palette[i])));
        p.swatches[i] = swatch;
    }
    markSwatch(p.t.currentColor, true);
}

void TForm2::toolClicked(int tool) {
    Parts& p = *parts_;
    const int height = toolButtonClick(p.t, p.shell, p.state, static_cast<ToolMode>(tool));
    setFixedHeight(height - kToolFrameHeight);
}

void TForm2::markSwatch(int i, bool current) {
    if (i < 1 || i > kSwatchCount) return;
    Parts& p = *parts_;
    if (current) p.swatches[i]->setOutline(2, p.shell.systemColor(SystemColor::ButtonShadow));
    else p.swatches[i]->setOutline(1, 0);
}

void TForm2::swatchMouseDown(int i, Qt::MouseButton button) {
    Parts& p = *parts_;
    const int oldCurrent = p.t.currentColor;
    const SwatchChange change = rho::swatchMouseDown(p.t, i, toMouseButton(button), [this](Color initial) {
        return parts_->ui.colorDialog(this, initial);
    });
    switch (change) {
    case SwatchChange::CurrentColor:
        markSwatch(oldCurrent, false);
        markSwatch(p.t.currentColor, true);
        break;
    case SwatchChange::PaletteEntry:
        p.swatches[i]->setFill(p.t.palette[i]);
        // The hint follows the colour, so that it always names what it shows.
        p.swatches[i]->setToolTip(QString::fromStdString(swatchHint(p.t.palette[i])));
        break;
    case SwatchChange::None: break;
    }
}

}  // namespace rho
