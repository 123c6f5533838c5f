#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "app/FileDropWidget.h"
#include "app/QtPrinter.h"
#include "app/QtShell.h"
#include "app/SetEditorWindow.h"
#include "app/ToolPalette.h"
#include "app/ViewWidget.h"
#include "edit/CanvasTools.h"
#include "edit/Creation.h"
#include "edit/EditTool.h"
#include "edit/SelectionTools.h"
#include "edit/StatusLine.h"
#include "io/DocumentCommands.h"
#include "io/Printer.h"
#include "io/Printing.h"
#include "io/WindowCommands.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr int kClientWidth = 583;
constexpr int kClientHeight = 415;
constexpr int kSpeedBarHeight = 29;
constexpr int kProgressHeight = 11;
constexpr int kStatusHeight = 18;
constexpr int kPanelWidth = 150;  // the least width of every status panel
// The right end of the speed bar's last button, and a margin after it.
constexpr int kSpeedBarEnd = 4 + 3 * 8 + 10 * 25 + 4;
// The least height of view left between the speed bar and the progress bar.
constexpr int kMinViewHeight = 50;
constexpr int kPaletteWidth = 55;

// The client area: the view under all of it, the speed bar along the top,
// the progress bar and the status line along the bottom.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onResize;
    std::function<void()> onFontChange;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (onResize) onResize();
    }
    void changeEvent(QEvent* event) override {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::FontChange && onFontChange) onFontChange();
    }
};

// The width a status panel needs to show `text` whole: a label of the same
// frame and font measures it, frame, margin and indent included.
int panelWidthFor(const QLabel& panel, const QString& text) {
    QLabel probe(text);
    probe.setFont(panel.font());
    probe.setFrameStyle(panel.frameStyle());
    probe.setTextFormat(Qt::PlainText);
    return std::max(kPanelWidth, probe.sizeHint().width());
}

// The widest "shapes:%d contour:%d" the tables can show: both counts with
// five digits (the shape table holds 15000), each the widest digit.
QString widestCounts(const QFontMetrics& metrics) {
    QChar widest = u'0';
    for (char16_t d = u'1'; d <= u'9'; ++d)
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widest)) widest = QChar(d);
    const QString digits(5, widest);
    return QStringLiteral("shapes:%1 contour:%2").arg(digits, digits);
}

}  // namespace

TForm1::TForm1(ModalUi& ui) : ui_(ui) {
    parts_.window = this;
    auto* client = new ClientArea(this);
    client_ = client;
    setCentralWidget(client_);
    parts_.view = new ViewWidget(client_);
    parts_.view->setAccessibleName("tiling view");
    speedBar_ = new QWidget(client_);
    speedBar_->setAutoFillBackground(true);
    parts_.progress = new QProgressBar(client_);
    parts_.progress->setTextVisible(false);
    parts_.progress->setRange(0, 100);
    parts_.progress->setValue(0);
    parts_.progress->setAccessibleName("progress");
    statusLine_ = new QWidget(client_);
    statusLine_->setAutoFillBackground(true);
    buildSpeedBar(speedBar_);
    buildStatusLine(statusLine_);
    buildMenus();

    client_->resize(kClientWidth, kClientHeight);
    measureStatusPanels();
    layoutClient();
    client->onResize = [this] { layoutClient(); };
    client->onFontChange = [this] {
        measureStatusPanels();
        layoutClient();
    };
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    // The creation step of the document.
    shell_ = std::make_unique<QtShell>(parts_, ui_);
    tiling_ = createTiling(*shell_);
    printer_ = createQtPrinter(ui_, this);
    readPrinterState(*tiling_, *shell_, *printer_);
    palette_ = new TForm2(*tiling_, *shell_, ui_, this);
    palette_->resize(kPaletteWidth, palette_->height());
    palette_->show();

    Tiling& t = *tiling_;
    Shell& s = *shell_;
    tools_[static_cast<int>(ToolMode::Edit)] = std::make_unique<EditTool>(t, s);
    tools_[static_cast<int>(ToolMode::Select)] = std::make_unique<SelectTool>(t, s);
    tools_[static_cast<int>(ToolMode::Erase)] = std::make_unique<EraseTool>(t, s);
    tools_[static_cast<int>(ToolMode::Colorize)] = std::make_unique<ColorizeTool>(t, s);
    tools_[static_cast<int>(ToolMode::Zoom)] = std::make_unique<ZoomTool>(t, s);
    tools_[static_cast<int>(ToolMode::Scroll)] = std::make_unique<ScrollTool>(t, s);
    tools_[static_cast<int>(ToolMode::OrigoBoundingBox)] = std::make_unique<OrigoBoxTool>(t, s);
    tools_[static_cast<int>(ToolMode::Floodfill)] = std::make_unique<FloodfillTool>(t, s);

    ViewWidget& v = *parts_.view;
    v.onPress = [this](MouseButton b, int px, int py) {
        if (MouseTool* tool = currentTool()) run([&] { tool->press(b, px, py); });
    };
    v.onMove = [this](int px, int py) {
        if (MouseTool* tool = currentTool()) run([&] { tool->move(px, py); });
    };
    v.onRelease = [this](MouseButton b, int px, int py) {
        if (MouseTool* tool = currentTool()) run([&] { tool->release(b, px, py); });
    };
    v.onWheel = [this](int notches, int px, int py) {
        run([&] { wheelZoom(*tiling_, *shell_, notches, px, py); });
    };
    v.onResize = [this] {
        // A resize to the size the view already has (the first show) has
        // nothing to move and the buffer already holds the picture.
        if (tiling_->halfWidth == shell_->clientWidth() * 0.5 && tiling_->halfHeight == shell_->clientHeight() * 0.5)
            return;
        run([this] { FormResize(*tiling_, *shell_); });
    };
    v.onRescale = [this] { run([this] { FormPaint(*tiling_, *shell_); }); };

    dropper_.OnDrop = [this](FileDropTarget& target) { run([&] { Dropper1Drop(*tiling_, *shell_, target); }); };
    dropGlue_ = new FileDropWidget(this, dropper_);

    // The first picture of the view.
    FormPaint(t, s);
    showUndoState();
}

TForm1::~TForm1() {
    delete dropGlue_;
    dropGlue_ = nullptr;
}

Shell& TForm1::shell() { return *shell_; }

MouseTool* TForm1::currentTool() {
    const int index = static_cast<int>(tiling_->tool);
    if (index < 0 || index >= static_cast<int>(std::size(tools_))) return nullptr;
    return tools_[index].get();
}

void TForm1::run(const std::function<void()>& command) {
    command();
    showUndoState();
    parts_.view->update();
}

void TForm1::showUndoState() {
    menuItem("undo")->setEnabled(tiling_->adding == 1 || tiling_->history.canUndo());
    menuItem("redo")->setEnabled(tiling_->history.canRedo());
}

QAction* TForm1::menuItem(const QString& caption) const {
    const auto found = parts_.items.find(caption);
    return found == parts_.items.end() ? nullptr : found->second;
}

QToolButton* TForm1::speedButton(const QString& hint) const {
    const auto found = parts_.buttons.find(hint);
    return found == parts_.buttons.end() ? nullptr : found->second;
}

QLabel* TForm1::statusPanel(int index) const { return index >= 0 && index < 3 ? parts_.panels[index] : nullptr; }

void TForm1::layoutClient() {
    const int w = client_->width();
    const int h = client_->height();
    parts_.view->setGeometry(0, 0, w, h);
    speedBar_->setGeometry(0, 0, w, kSpeedBarHeight);
    parts_.progress->setGeometry(0, h - kStatusHeight - kProgressHeight, w, kProgressHeight);
    statusLine_->setGeometry(0, h - kStatusHeight, w, kStatusHeight);
    // Panels 0 and 1 as wide as their longest texts, panel 2 the rest.
    const int w0 = panelWidths_[0], w1 = panelWidths_[1];
    parts_.panels[0]->setGeometry(0, 0, w0, kStatusHeight);
    parts_.panels[1]->setGeometry(w0, 0, w1, kStatusHeight);
    parts_.panels[2]->setGeometry(w0 + w1, 0, std::max(0, w - w0 - w1), kStatusHeight);
    speedBar_->raise();
    parts_.progress->raise();
    statusLine_->raise();
}

void TForm1::measureStatusPanels() {
    const QLabel& counts = *parts_.panels[0];
    panelWidths_[0] = panelWidthFor(counts, widestCounts(counts.fontMetrics()));
    panelWidths_[1] = kPanelWidth;
    for (int tool = 0; tool < 8; ++tool) {
        const QString text = QString::fromLatin1(toolStatusText(static_cast<ToolMode>(tool)));
        panelWidths_[1] = std::max(panelWidths_[1], panelWidthFor(*parts_.panels[1], text));
    }
    // The speed bar whole, and the status line with panel 2 at its least.
    const int width = std::max(kSpeedBarEnd, panelWidths_[0] + panelWidths_[1] + kPanelWidth);
    client_->setMinimumSize(width, kSpeedBarHeight + kMinViewHeight + kProgressHeight + kStatusHeight);
}

void TForm1::buildStatusLine(QWidget* strip) {
    const char* const start[3] = {"shapes:0  contour:0", "tool: edit", "Wellcome at infinity"};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(QString::fromLatin1(start[i]), strip);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setGeometry(i * kPanelWidth, 0, kPanelWidth, kStatusHeight);
        panel->setAccessibleName(panel->text());
        parts_.panels[i] = panel;
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (palette_ && !palette_->isVisible()) palette_->show();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery(*tiling_, *shell_)) {
        event->ignore();
        return;
    }
    // An open set editor closes first, through its own question: a set the
    // user keeps keeps both windows open.
    for (TForm4* editor : findChildren<TForm4*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (editor->isVisible() && !editor->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    // The palette goes with the window; it is hidden rather than closed, as
    // it lives as long as the window object.
    if (palette_) palette_->hide();
    if (onClosed) onClosed();
}

}  // namespace rho
