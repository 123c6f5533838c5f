#pragma once
// The widgets of the main window that its shell reads and writes: menu
// items by caption, speed buttons by hint, the status panels, the progress
// bar and the view.

#include <QString>
#include <map>

class QAction;
class QLabel;
class QProgressBar;
class QToolButton;
class QWidget;

namespace rho {

class ViewWidget;

struct MainWindowParts {
    QWidget* window = nullptr;
    ViewWidget* view = nullptr;
    std::map<QString, QAction*> items;
    std::map<QString, QToolButton*> buttons;
    QLabel* panels[3] = {};
    QProgressBar* progress = nullptr;
};

}  // namespace rho
