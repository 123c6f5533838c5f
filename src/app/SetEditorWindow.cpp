#include "app/SetEditorWindow.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "app/Dialogs.h"
#include "app/FileDropWidget.h"
#include "app/QtSurface.h"
#include "app/SetEditorIcons.h"
#include "app/DataFolder.h"
#include "app/SetEditorShell.h"
#include "io/FileDrop.h"
#include "seteditor/EditorCommands.h"
#include "seteditor/EditorTools.h"
#include "seteditor/EditorUndo.h"
#include "seteditor/EditorView.h"
#include "seteditor/SetEditor.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

using Handler = std::function<void(SetEditor&)>;

MouseButton toButton(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::Right;
    if (b == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

// The drawing area: shows the back buffer the editor draws on and hands
// the mouse to the current tool.
class DrawingArea : public QWidget {
public:
    std::function<void(int, int)> onResize;
    std::function<void(QMouseEvent*, int)> onMouse;  // 0 press, 1 move, 2 release
    SetEditorShell* shell = nullptr;

    explicit DrawingArea(QWidget* parent) : QWidget(parent) {
        setMouseTracking(true);  // a rubber band left by a middle release follows the bare mouse
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void resizeEvent(QResizeEvent*) override { onResize(width(), height()); }
    void paintEvent(QPaintEvent*) override {
        // A new screen ratio (the window moved to another screen) needs a
        // buffer of its resolution and a new picture in it.
        if (bufferScale(devicePixelRatioF()) != shell->bufferScale()) onResize(width(), height());
        QPainter p(this);
        p.drawImage(QPointF(0, 0), shell->buffer());  // its device pixel ratio gives it the area's size
    }
    void mousePressEvent(QMouseEvent* e) override { onMouse(e, 0); }
    void mouseMoveEvent(QMouseEvent* e) override { onMouse(e, 1); }
    void mouseReleaseEvent(QMouseEvent* e) override { onMouse(e, 2); }
};

// A 25 x 25 colour swatch that reports presses.
class Swatch : public QFrame {
public:
    std::function<void(MouseButton)> onPress;
    Swatch(QWidget* parent, const QString& hint) : QFrame(parent) {
        setFixedSize(25, 25);
        setToolTip(hint);
        setAccessibleName(hint);
    }
    // A style sheet, since tool bar styles paint over a palette's background.
    void paint(Color c) {
        setStyleSheet(QString("QFrame { background-color: %1; border: 1px solid gray; }").arg(toQColor(c).name()));
    }
    // A colour taken: painted, and named by the hint ("%d-%d-%d"); the
    // accessible name keeps naming the swatch, its description the colour.
    void showColor(Color c) {
        paint(c);
        setToolTip(QString::fromStdString(colorHint(c)));
        setAccessibleDescription(toolTip());
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { onPress(toButton(e->button())); }
};

}  // namespace

struct TForm4::Parts {
    Parts(TForm4* w, Tiling& t, Shell& mainShell, ModalUi& ui, QWidget* mainWindow)
        : shell(w, mainWindow, ui), editor(t, shell, mainShell) {}
    SetEditorShell shell;
    SetEditor editor;
    DrawingArea* area = nullptr;
    Swatch* lineSwatch = nullptr;
    Swatch* fillSwatch = nullptr;
    Color shownLine = 0x000000, shownFill = 0xffffff;
    FileDropTarget dropTarget;
    FileDropWidget* dropWidget = nullptr;
};

TForm4::TForm4(Tiling& t, Shell& mainShell, ModalUi& ui, QWidget* mainWindow)
    : QMainWindow(mainWindow, Qt::Window), parts_(std::make_unique<Parts>(this, t, mainShell, ui, mainWindow)) {
    setAttribute(Qt::WA_DeleteOnClose);
    resize(467, 422);
    Parts& p = *parts_;
    SetEditorShell& shell = p.shell;
    SetEditor& e = p.editor;

    // Every command: run it, put the marks Qt toggled back to the editor's
    // state, enable undo and redo as the history now allows, show the
    // swatches and the drawing.
    auto run = [this, &p](const Handler& h) {
        h(p.editor);
        p.shell.restoreChecks();
        refreshUndoItems(p.editor);
        if (p.editor.currentLineColor != p.shownLine) p.lineSwatch->showColor(p.shownLine = p.editor.currentLineColor);
        if (p.editor.currentFillColor != p.shownFill) p.fillSwatch->showColor(p.shownFill = p.editor.currentFillColor);
        p.area->update();
    };
    auto item = [&](QMenu* menu, const char* caption, Handler h, bool checkable = false) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, [run, h] { run(h); });
        shell.menuItems[caption] = a;
        return a;
    };
    auto button = [&](QToolBar* bar, const char* hint, Handler h, bool checkable, QButtonGroup* group = nullptr) {
        auto* b = new QToolButton(bar);
        b->setToolTip(QString::fromUtf8(hint));
        b->setAccessibleName(b->toolTip());
        b->setIcon(setEditorIcon(QString::fromUtf8(hint)));
        b->setCheckable(checkable);
        b->setAutoRaise(true);
        bar->addWidget(b);
        if (group) group->addButton(b);
        connect(b, &QToolButton::clicked, this, [run, h] { run(h); });
        shell.buttons[hint] = b;
    };

    QMenu* set = menuBar()->addMenu("set");
    item(set, "new", new1Click);
    item(set, "open...", open1Click);
    item(set, "save...", save1Click);
    item(set, "save as...", saveas1Click);
    set->addSeparator();
    connect(set->addAction("close editor"), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("edit");
    // Undo and redo are the only items of this window with shortcuts.
    item(edit, "undo", undo1Click)->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    item(edit, "redo", redo1Click)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    item(edit, "edit small shape", editsmallshape1Click, true);
    item(edit, "edit large shape", editlargeshape1Click, true);
    edit->addSeparator();
    item(edit, "clear current shape", clearsmallshape1Click);
    item(edit, "clear all shapes", clearlargeshape1Click);
    edit->addSeparator();
    item(edit, "autosnap to grid", autosnaptogrid1Click);
    item(edit, "shape transfer", shapetransfer1Click);

    QMenu* grid = menuBar()->addMenu("grid");
    item(grid, "display grid", displaygrid1Click, true);
    item(grid, "smaller", smaller1Click);
    item(grid, "larger", larger1Click);
    grid->addSeparator();
    const Handler kinds[5] = {orthogonal1Click, left1Click, right1Click, up1Click, down1Click};
    for (int k = 0; k < 5; ++k) item(grid, kGridKindItems[k], kinds[k], true);
    grid->addSeparator();
    item(grid, "snap to grid", SpeedButton10Click, true);
    item(grid, "snap lines' end", SpeedButton11Click, true);

    auto* top = new QToolBar(this);
    top->setMovable(false);
    top->setFixedHeight(29);
    top->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, top);
    auto* shapes = new QButtonGroup(this);
    button(top, "edit small shape", editsmallshape1Click, true, shapes);
    button(top, "edit large shape", editlargeshape1Click, true, shapes);
    top->addSeparator();
    auto* gridKinds = new QButtonGroup(this);
    for (int k = 0; k < 5; ++k)
        button(top, kGridKindHints[k], [k](SetEditor& ed) { gridKindButtonClick(ed, k); }, true, gridKinds);
    top->addSeparator();
    button(top, "set grid unit to smaller", gridUnitSmallerButtonClick, false);
    button(top, "set grid unit to larger", gridUnitLargerButtonClick, false);
    top->addSeparator();
    button(top, "snap to grid", SpeedButton10Click, true);
    button(top, "snap to points", SpeedButton11Click, true);

    auto* left = new QToolBar(this);
    left->setMovable(false);
    left->setFixedWidth(30);
    left->setIconSize(QSize(20, 20));
    addToolBar(Qt::LeftToolBarArea, left);
    auto* tools = new QButtonGroup(this);
    for (int k = 0; k < 6; ++k)
        button(left, kEditorToolHints[k], [k](SetEditor& ed) { selectEditorTool(ed, k); }, true, tools);
    p.lineSwatch = new Swatch(left, "line color");
    p.fillSwatch = new Swatch(left, "polygon color");
    p.lineSwatch->paint(p.shownLine);
    p.fillSwatch->paint(p.shownFill);
    left->addWidget(p.lineSwatch);
    left->addWidget(p.fillSwatch);
    // A colour taken shows in the swatch's hint even when it equals the one
    // the swatch had.
    p.lineSwatch->onPress = [run, &p](MouseButton b) {
        bool took = false;
        run([b, &took](SetEditor& ed) { took = Shape1MouseDown(ed, b); });
        if (took) p.lineSwatch->showColor(p.shownLine);
    };
    p.fillSwatch->onPress = [run, &p](MouseButton b) {
        bool took = false;
        run([b, &took](SetEditor& ed) { took = Shape2MouseDown(ed, b); });
        if (took) p.fillSwatch->showColor(p.shownFill);
    };

    for (int k = 0; k < 2; ++k) {
        shell.panels[k] = new QLabel(this);
        shell.panels[k]->setMinimumWidth(k == 0 ? 100 : 50);
        statusBar()->addWidget(shell.panels[k], k);
    }
    // A third panel, right of the object count and the tool text, says what
    // the last undo or redo did.
    shell.panels[2] = new QLabel(this);
    shell.panels[2]->setObjectName("historyPanel");
    statusBar()->addWidget(shell.panels[2]);

    p.area = new DrawingArea(this);
    p.area->setObjectName("drawingArea");
    p.area->shell = &shell;
    shell.drawingArea = p.area;
    setCentralWidget(p.area);
    p.area->onResize = [&p](int w, int h) {
        p.shell.resizeBuffer(w, h, bufferScale(p.area->devicePixelRatioF()));
        FormResize(p.editor);
    };
    p.area->onMouse = [run](QMouseEvent* ev, int what) {
        const int x = static_cast<int>(ev->position().x());
        const int y = static_cast<int>(ev->position().y());
        const MouseButton b = toButton(ev->button());
        run([=](SetEditor& ed) {
            if (what == 0) FormMouseDown(ed, b, x, y);
            else if (what == 1) FormMouseMove(ed, x, y);
            else FormMouseUp(ed, b, x, y);
        });
    };

    p.dropTarget.OnDrop = [run](FileDropTarget& d) {
        if (d.FileCount < 1) return;
        const std::string ext = d.Extension[0];
        const std::string path = d.NameWithPath[0];
        run([ext, path](SetEditor& ed) { Dropper1Drop(ed, ext, path); });
    };
    p.dropWidget = new FileDropWidget(this, p.dropTarget);

    e.setsFolder = setsFolder();
    startSetEditor(e);
    shell.restoreChecks();
}

// The drop glue goes before the target it writes to.
TForm4::~TForm4() { delete parts_->dropWidget; }

SetEditor& TForm4::editor() { return parts_->editor; }

QWidget* TForm4::drawingArea() { return parts_->area; }

void TForm4::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery(parts_->editor)) {
        event->ignore();
        return;
    }
    FormClose(parts_->editor);
    event->accept();
}

void seteditor1Click(Tiling& t, Shell& mainShell, ModalUi& ui, QWidget* mainWindow) {
    static QPointer<TForm4> open;
    if (open && t.editorOpen) {
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    open = new TForm4(t, mainShell, ui, mainWindow);
    t.editorOpen = 1;
    open->show();
}

}  // namespace rho
