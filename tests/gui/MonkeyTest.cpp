// Random use of the whole main window: menu commands, speed buttons, tool
// choices, presses, moves and releases anywhere, modal questions answered
// at random, files saved and opened in a temporary folder. After every
// action the tables, angles and colours must be sound and the progress bar
// must stand at 0. RHO_MONKEY_ACTIONS and RHO_MONKEY_SEED change the run.
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

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

    std::string act() {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        switch (below(10)) {
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
    }
};

TEST_F(Monkey, RandomActionsKeepTheDocumentSound) {
    const long actions = envNumber("RHO_MONKEY_ACTIONS", 2000);
    std::printf("monkey: %ld actions, seed %ld\n", actions, envNumber("RHO_MONKEY_SEED", 20261206));
    int mostShapes = 0;
    for (long step = 0; step < actions; ++step) {
        script();
        const std::string action = act();
        checkSound(step, action);
        if (HasFatalFailure()) return;
        mostShapes = std::max(mostShapes, t.shapeLast + 1);
    }
    std::printf("monkey: most shapes %d, %zu messages, %zu file dialogs, %zu other dialogs\n", mostShapes,
                ui.messages.size(), ui.fileRequests.size(), ui.dialogTitles.size());
}

}  // namespace
}  // namespace rho::test
