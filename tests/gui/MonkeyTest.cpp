// Random use of the whole main window: menu commands, speed buttons, tool
// choices, presses, moves and releases anywhere, modal questions answered
// at random, files saved and opened in a temporary folder. After every
// action the tables, angles and colours must be sound and the progress bar
// must stand at 0. Undo and redo come by menu and by key; each step they
// take must be exactly undone by the other, and a command's step undone
// right after it must give back the tables it found. RHO_MONKEY_ACTIONS and
// RHO_MONKEY_SEED change the run.
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "edit/Creation.h"
#include "edit/QuietShell.h"
#include "generate/Quasitiler.h"
#include "io/TilingFile.h"
#include "gui/MainWindowFixture.h"
#include "support/TempDir.h"

namespace rho::test {
namespace {

long envNumber(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : fallback;
}

class Monkey : public MainWindowFixture {
protected:
    std::mt19937 rng{static_cast<unsigned>(envNumber("RHO_MONKEY_SEED", 20261206))};
    TempDir dir{"mainwin-monkey"};
    QStringList items;

    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const QString& entry : window->menuOutline())
            if (!entry.startsWith('>') && entry != "<" && entry != "-") items << entry;
        std::ofstream(dir / "refused.rho") << "960904\n0\n";
        // A generated patch among the files, so that opening one gives the
        // tools a tiling with a real contour to work on.
        QuietShell quiet;
        auto patch = createTiling(quiet);
        runQuasitiler(*patch, quiet, 12);
        ASSERT_TRUE(writeTiling(*patch, quiet, dir / "patch.rho"));
    }

    std::string randomFile() {
        static const char* const names[] = {"a.rho", "b.rho", "patch.rho", "refused.rho", "missing.rho"};
        return dir / names[below(5)];
    }

    // Answers for whatever the next action may ask.
    void script() {
        ui.answers.clear();
        ui.openChoices.clear();
        ui.saveChoices.clear();
        ui.colorChoices.clear();
        const Answer answers[] = {Answer::Yes, Answer::No, Answer::Ok, Answer::Cancel};
        for (int i = 0; i < 3; ++i) ui.answers.push_back(answers[below(4)]);
        if (below(4) > 0) ui.openChoices.push_back(FileChoice{randomFile(), 1});
        if (below(4) > 0) ui.saveChoices.push_back(FileChoice{randomFile(), 1});
        if (below(2) > 0) ui.colorChoices.push_back(static_cast<Color>(rng() & 0xffffff));
        // Half of the dialogs get one of their buttons pressed, as a user
        // would; the others are closed without an answer.
        ui.dialogActions.clear();
        if (below(2) > 0) {
            ui.dialogActions.push_back([this](QDialog& dialog) {
                const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
                if (!buttons.isEmpty()) buttons[below(static_cast<int>(buttons.size()))]->click();
                return dialog.result();
            });
        }
    }

    QPoint anywhere() { return {below(583 + 40) - 20, below(415 + 40) - 20}; }

    // Undo or redo by menu or, when the window is active, by key.
    void undoOrRedo(bool undo) {
        if (below(2) > 0) {
            window->activateWindow();
            QApplication::processEvents();
            if (QApplication::activeWindow() == window.get()) {
                if (undo) {
                    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
                } else if (below(2) > 0) {
                    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                } else {
                    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
                }
                return;
            }
        }
        trigger(undo ? "undo" : "redo");
    }

    // The shape and contour tables, exactly, but for the selection signs,
    // which are not part of the history.
    std::string tables() const {
        std::ostringstream out;
        out.precision(17);
        out << t.shapeLast << '\n';
        for (int i = 0; i <= t.shapeLast; ++i) {
            const TileShape& s = t.shapes[i];
            out << s.x << ' ' << s.y << ' ' << s.kind << ' ' << s.angle << ' ' << std::abs(s.color) << '\n';
        }
        out << t.contourLast << '\n';
        for (int i = 0; i <= t.contourLast; ++i) {
            const ContourVertex& v = t.contour[i];
            out << v.x << ' ' << v.y;
            for (uint8_t sector : v.sectors) out << ' ' << int(sector);
            out << '\n';
        }
        return out.str();
    }

    // Changed by an action other than undo and redo: it recorded a step or started afresh.
    auto historyMark() const {
        return std::tuple(t.history.stepCount(), t.history.bytes(), t.history.canUndo(), t.history.canRedo(),
                          t.history.undoLabel());
    }

    // Undo or redo at random; a step taken must go back and forth exactly.
    std::string undoRedo() {
        const bool undo = below(2) > 0;
        const bool steps = t.adding == 0 && (undo ? t.history.canUndo() : t.history.canRedo());
        const std::string before = tables();
        undoOrRedo(undo);
        if (!steps) return undo ? "undo" : "redo";
        const std::string after = tables();
        undoOrRedo(!undo);
        EXPECT_EQ(tables(), before) << (undo ? "redo after undo" : "undo after redo");
        undoOrRedo(undo);
        EXPECT_EQ(tables(), after) << (undo ? "undo again" : "redo again");
        return undo ? "undo (round trip)" : "redo (round trip)";
    }

    std::string act() {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        switch (below(12)) {
            case 0:
            case 1: {
                const QString item = items[below(static_cast<int>(items.size()))];
                trigger(item);
                if (!window->isVisible()) window->show();
                return "menu " + item.toStdString();
            }
            case 2: {
                static const char* const hints[] = {"new tile", "open", "save", "add large shape", "add small shape",
                                                    "display as shape", "display as set", "display as both"};
                const char* hint = hints[below(8)];
                window->speedButton(hint)->click();
                return std::string("button ") + hint;
            }
            case 3: {
                static const char* const tools[] = {"edit",   "select", "erase", "colorize", "zoom",
                                                    "scroll", "origo & bounding box", "floodfill"};
                const char* tool = tools[below(8)];
                chooseTool(tool);
                return std::string("tool ") + tool;
            }
            case 4:
            case 5: {
                const QPoint at = anywhere();
                mouse(QEvent::MouseButtonPress, buttons[below(3)], at);
                return "press";
            }
            case 6:
            case 7:
                moveTo(anywhere());
                return "move";
            case 10:
            case 11:
                return undoRedo();
            default:
                mouse(QEvent::MouseButtonRelease, buttons[below(3)], anywhere());
                return "release";
        }
    }

    void checkSound(long step, const std::string& action) {
        SCOPED_TRACE("action " + std::to_string(step) + ": " + action);
        ASSERT_GE(t.shapeLast, -1);
        ASSERT_LT(t.shapeLast, kMaxShapes);
        ASSERT_GE(t.contourLast, -1);
        ASSERT_LT(t.contourLast, kMaxContour);
        for (int i = 0; i <= t.shapeLast; ++i) {
            const TileShape& s = t.shapes[i];
            ASSERT_TRUE(s.angle >= 0 && s.angle <= 9) << "shape " << i << " angle " << s.angle;
            ASSERT_TRUE(std::abs(s.color) >= 1 && std::abs(s.color) <= 20) << "shape " << i << " color " << s.color;
        }
        if (t.adding == 1) {
            ASSERT_TRUE(t.floating.angle >= 0 && t.floating.angle <= 9);
        }
        ASSERT_EQ(window->progressBar()->value(), 0);
        // The items show what the history allows after every kind of action.
        ASSERT_EQ(window->menuItem("undo")->isEnabled(), t.adding == 1 || t.history.canUndo());
        ASSERT_EQ(window->menuItem("redo")->isEnabled(), t.history.canRedo());
        // Every change of the tables was reported: a copy of the history
        // finds nothing left to record.
        History probe = t.history;
        ASSERT_FALSE(probe.record(t, "unreported")) << "a change of the tables was not recorded";
    }

    // A command's step undone and redone gives the tables it found and left.
    void undoTheCommand(const std::string& before) {
        if (t.adding == 1 || !t.history.canUndo()) return;
        const std::string after = tables();
        undoOrRedo(true);
        EXPECT_EQ(tables(), before) << "undo of " << t.history.redoLabel();
        undoOrRedo(false);
        EXPECT_EQ(tables(), after) << "redo of " << t.history.undoLabel();
    }
};

TEST_F(Monkey, RandomActionsKeepTheDocumentSound) {
    const long actions = envNumber("RHO_MONKEY_ACTIONS", 2000);
    std::printf("monkey: %ld actions, seed %ld\n", actions, envNumber("RHO_MONKEY_SEED", 20261206));
    int mostShapes = 0;
    window->activateWindow();
    for (long step = 0; step < actions; ++step) {
        script();
        const std::string before = tables();
        const auto mark = historyMark();
        const std::string action = act();
        checkSound(step, action);
        if (HasFailure()) return;
        const bool undoRedoAction =
            action.find("undo") != std::string::npos || action.find("redo") != std::string::npos;
        if (!undoRedoAction && historyMark() != mark) {
            SCOPED_TRACE("action " + std::to_string(step) + ": " + action);
            undoTheCommand(before);
            if (HasFailure()) return;
        }
        mostShapes = std::max(mostShapes, t.shapeLast + 1);
    }
    std::printf("monkey: most shapes %d, %zu messages, %zu file dialogs, %zu other dialogs\n", mostShapes,
                ui.messages.size(), ui.fileRequests.size(), ui.dialogTitles.size());
}

}  // namespace
}  // namespace rho::test
