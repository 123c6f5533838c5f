#pragma once
// The real main window on the offscreen platform, with scripted answers to
// every modal question; actions are triggered by their captions and mouse
// events are sent to the view.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <memory>

#include "app/MainWindow.h"
#include "app/ToolPalette.h"
#include "app/ViewWidget.h"
#include "gui/ScriptedModalUi.h"
#include "tiling/Tiling.h"

namespace rho::test {

struct MainWindowFixture : ::testing::Test {
    ScriptedModalUi ui;
    std::unique_ptr<TForm1> window = std::make_unique<TForm1>(ui);
    Tiling& t = window->tiling();

    void SetUp() override {
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override { t.modified = 0; }

    void trigger(const QString& caption) {
        QAction* action = window->menuItem(caption);
        ASSERT_NE(action, nullptr) << caption.toStdString();
        action->trigger();
    }
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), window->view().mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&window->view(), &event);
    }
    void click(Qt::MouseButton button, QPoint at) {
        mouse(QEvent::MouseButtonPress, button, at);
        mouse(QEvent::MouseButtonRelease, button, at);
    }
    // Presses the tool palette's button with this hint.
    void chooseTool(const QString& hint) {
        for (QToolButton* button : window->toolPalette().findChildren<QToolButton*>()) {
            if (button->accessibleName() != hint) continue;
            button->click();
            return;
        }
        ADD_FAILURE() << "no tool button " << hint.toStdString();
    }
    void moveTo(QPoint at) { mouse(QEvent::MouseMove, Qt::NoButton, at); }
    std::string panel(int i) const { return window->statusPanel(i)->text().toStdString(); }
    std::string caption() const { return window->windowTitle().toStdString(); }
};

}  // namespace rho::test
