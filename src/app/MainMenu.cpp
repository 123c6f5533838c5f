// The main window's menu and speed buttons, each running the command of
// the same name.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "app/Dialogs.h"
#include "app/Glyphs.h"
#include "app/MainWindow.h"
#include "app/QtShell.h"
#include "app/ViewWidget.h"
#include "edit/ContourRecalculation.h"
#include "edit/DisplayCommands.h"
#include "edit/DisplayToggles.h"
#include "edit/OrderShapes.h"
#include "edit/Placement.h"
#include "edit/RulesCommands.h"
#include "edit/Selection.h"
#include "edit/UndoCommands.h"
#include "generate/Colorize.h"
#include "io/DocumentCommands.h"
#include "io/Printing.h"
#include "render/View.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Captions are shown as they stand: an ampersand is a character, not a
// keyboard mnemonic.
QString literal(const QString& caption) {
    QString text = caption;
    return text.replace('&', "&&");
}

// Checkable items and buttons show the state the command sets, not the
// toggle Qt makes on a click: the toggle is taken back before the command.
void revertToggle(QAction* action) {
    if (action->isCheckable()) action->setChecked(!action->isChecked());
}

}  // namespace

QAction* TForm1::addItem(QMenu* menu, const QString& caption, std::function<void()> command) {
    QAction* action = menu->addAction(literal(caption));
    action->setShortcut(QKeySequence());
    parts_.items[caption] = action;
    connect(action, &QAction::triggered, this, [this, action, command] {
        revertToggle(action);
        if (command) run(command);
    });
    return action;
}

void TForm1::buildMenus() {
    // The commands read the tiling and shell when they run, after the
    // creation step has made them.
    auto cmd = [this](void (*f)(Tiling&, Shell&)) { return [this, f] { f(*tiling_, *shell_); }; };

    QMenu* tile = menuBar()->addMenu("tile");
    addItem(tile, "new", cmd(new1Click));
    addItem(tile, "open...", cmd(open1Click));
    addItem(tile, "save...", cmd(save1Click));
    addItem(tile, "save as...", cmd(saveas1Click));
    addItem(tile, "export tile...", nullptr)->setEnabled(false);
    addItem(tile, "print setup...", [this] { printsetup1Click(*tiling_, *shell_, *printer_); });
    addItem(tile, "printing opties...", [this] { printingopties1Click(*tiling_, ui_, this); });
    addItem(tile, "print", [this] { print1Click(*tiling_, *shell_, *printer_); });
    addItem(tile, "quit", [this] { close(); });

    QMenu* edit = menuBar()->addMenu("edit");
    // Undo and redo lead the menu and are the only items with shortcuts.
    QAction* undo = addItem(edit, "undo", cmd(undo1Click));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = addItem(edit, "redo", cmd(redo1Click));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    addItem(edit, "add large shape", cmd(addlargeshape1Click));
    addItem(edit, "add small shape", cmd(addsmallshape1Click));
    QMenu* select = edit->addMenu("select");
    addItem(select, "small shapes", cmd(smallshapes1Click));
    addItem(select, "large shapes", cmd(largeshapes1Click));
    addItem(select, "inside bounding box", cmd(insideboundingbox1Click));
    addItem(select, "visible shapes", cmd(visibleshapes1Click));
    addItem(select, "all shapes", cmd(allshapes1Click));
    addItem(select, "invert selection", cmd(invert1Click));
    addItem(select, "deselect all", cmd(none1Click));
    QMenu* erase = edit->addMenu("delete");
    addItem(erase, "all", cmd(all1Click));
    addItem(erase, "selected", cmd(selected1Click));
    QMenu* colorize = edit->addMenu("colorize");
    addItem(colorize, "colorize all", cmd(colorizeall1Click));
    addItem(colorize, "colorize selected", cmd(colorizeselected1Click));
    addItem(colorize, "by type", cmd(bytype1Click));
    addItem(colorize, "by angle", cmd(byangle1Click));
    addItem(colorize, "by full angle", cmd(byfullangle1Click));
    addItem(colorize, "restore colors", cmd(restorecolors1Click));

    QMenu* view = menuBar()->addMenu("view");
    addItem(view, "zoom in", cmd(zoomin1Click));
    addItem(view, "zoom out", cmd(zoomout1Click));
    addItem(view, "zoom to 1:1", cmd(zoomto111Click));
    QMenu* zoom = view->addMenu("zoom");
    addItem(zoom, "4:1", cmd(N411Click));
    addItem(zoom, "3:1", cmd(N311Click));
    addItem(zoom, "2:1", cmd(N211Click));
    zoom->addSeparator();
    addItem(zoom, "1:1", cmd(N111Click));
    zoom->addSeparator();
    addItem(zoom, "1:2", cmd(N121Click));
    addItem(zoom, "1:3", cmd(N131Click));
    addItem(zoom, "1:4", cmd(N141Click));
    addItem(view, "recentre", cmd(recentre1Click));
    addItem(view, "redraw", cmd(redraw1Click));

    QMenu* set = menuBar()->addMenu("set");
    addItem(set, "set editor...", [this] { seteditor1Click(*tiling_, *shell_, ui_, this); });
    addItem(set, "display as set", cmd(displayas1Click))->setCheckable(true);
    QAction* asShape = addItem(set, "display as shape", cmd(displayasshape1Click));
    asShape->setCheckable(true);
    asShape->setChecked(true);
    addItem(set, "display as both", cmd(displayasboth1Click))->setCheckable(true);
    addItem(set, "antialiased lines", cmd(antialiasedlines1Click))->setCheckable(true);

    QMenu* tools = menuBar()->addMenu("tools");
    addItem(tools, "display origin", cmd(displayorigin1Click))->setCheckable(true);
    addItem(tools, "display bounding box", cmd(displayboundingbox1Click))->setCheckable(true);
    addItem(tools, "set bounding box...", [this] { setboundingbox1Click(*tiling_, *shell_, ui_, this); });
    addItem(tools, "quasitiler...", [this] { quasitiler1Click(*tiling_, *shell_, ui_, this); });
    addItem(tools, "order shapes", cmd(ordershapes1Click));
    addItem(tools, "recalculate contour", cmd(recalculatecontour1Click));
    addItem(tools, "preferences...", nullptr);
    addItem(tools, "about...", [this] { about1Click(ui_, this); });

    QMenu* rules = menuBar()->addMenu("rules");
    addItem(rules, "orient shapes", cmd(orientshapes1Click));
    addItem(rules, "check matching rules", cmd(checkmatchingrules1Click));
    addItem(rules, "fill forced shapes", cmd(fillforcedshapes1Click));
    rules->addSeparator();
    addItem(rules, "deflate", cmd(deflate1Click));
    addItem(rules, "compose", cmd(compose1Click));
    rules->addSeparator();
    addItem(rules, "penrose patch...", [this] { penrosepatch1Click(*tiling_, *shell_, ui_, this); });
    rules->addSeparator();
    addItem(rules, "keep matching rules", cmd(keepmatchingrules1Click))->setCheckable(true);
}

void TForm1::buildSpeedBar(QWidget* bar) {
    struct Button {
        const char* hint;
        std::function<void()> command;
        int gapBefore;
    };
    auto cmd = [this](void (*f)(Tiling&, Shell&)) { return [this, f] { f(*tiling_, *shell_); }; };
    const Button buttons[] = {
        {"new tile", cmd(SpeedButton1Click), 0},
        {"open", cmd(SpeedButton3Click), 0},
        {"save", cmd(SpeedButton2Click), 0},
        {"print", [this] { SpeedButton4Click(*tiling_, *shell_, *printer_); }, 0},
        {"add large shape", cmd(addlargeshape1Click), 8},
        {"add small shape", cmd(addsmallshape1Click), 0},
        {"display as shape", cmd(displayasshape1Click), 8},
        {"display as set", cmd(displayas1Click), 0},
        {"display as both", cmd(displayasboth1Click), 0},
        {"set editor...", [this] { seteditor1Click(*tiling_, *shell_, ui_, this); }, 8},
    };
    int x = 4;
    for (const Button& b : buttons) {
        x += b.gapBefore;
        auto* button = new QToolButton(bar);
        const QString hint = QString::fromLatin1(b.hint);
        button->setIcon(speedButtonGlyph(hint));
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setGeometry(x, 2, 25, 25);
        button->setFocusPolicy(Qt::NoFocus);
        parts_.buttons[hint] = button;
        const auto command = b.command;
        connect(button, &QToolButton::clicked, this, [this, button, command] {
            if (button->isCheckable()) button->setChecked(!button->isChecked());
            run(command);
        });
        x += 25;
    }
    for (const char* hint : {"display as shape", "display as set", "display as both"})
        parts_.buttons[hint]->setCheckable(true);
}

QStringList TForm1::menuOutline() const {
    QStringList outline;
    std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                outline << "-";
            } else if (action->menu()) {
                outline << ">" + action->text();
                walk(action->menu());
                outline << "<";
            } else {
                outline << action->text();
            }
        }
    };
    for (QAction* top : menuBar()->actions()) {
        outline << ">" + top->text();
        walk(top->menu());
        outline << "<";
    }
    return outline;
}

}  // namespace rho
