#pragma once
// The main window TForm1: menu, speed buttons, the view, the progress bar
// and the three-panel status line over the one tiling. Menu items and
// buttons run the commands of the same name; mouse events in the view go
// to the tool of the current ToolMode; dropped tilings are opened.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/MainWindowParts.h"
#include "edit/MouseTool.h"
#include "io/FileDrop.h"

class QToolButton;
class QLabel;
class QMenu;
class QProgressBar;

namespace rho {

struct Tiling;
class Shell;
class ModalUi;
class Printer;
class QtShell;
class TForm2;
class FileDropWidget;

class TForm1 : public QMainWindow {
public:
    // The creation step: widgets, the tiling with the printer state, the
    // tool palette (shown) and the first view.
    explicit TForm1(ModalUi& ui);
    ~TForm1() override;

    Tiling& tiling() { return *tiling_; }
    Shell& shell();
    ModalUi& modalUi() { return ui_; }
    TForm2& toolPalette() { return *palette_; }
    ViewWidget& view() { return *parts_.view; }

    // The menu item with this caption, the speed button with this hint, the
    // status panel 0..2, the progress bar; null when there is none.
    QAction* menuItem(const QString& caption) const;
    QToolButton* speedButton(const QString& hint) const;
    QLabel* statusPanel(int index) const;
    QProgressBar* progressBar() const { return parts_.progress; }
    // Every menu item caption in menu order (submenus in place), "-" for a
    // separator, ">caption" opening and "<" closing a submenu.
    QStringList menuOutline() const;

    // Called once the window has really closed.
    std::function<void()> onClosed;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildSpeedBar(QWidget* bar);
    void buildStatusLine(QWidget* strip);
    void layoutClient();
    // Widths of status panels 0 and 1 for their longest texts at the current
    // font, and the client's minimum size that keeps the bars whole.
    void measureStatusPanels();
    QAction* addItem(QMenu* menu, const QString& caption, std::function<void()> command);
    // Runs a command, then shows what it drew and what can be undone.
    void run(const std::function<void()>& command);
    // Enables "undo" and "redo" when there is a step to take back or
    // forward; a floating shape can always be taken away.
    void showUndoState();
    MouseTool* currentTool();

    ModalUi& ui_;
    MainWindowParts parts_;
    QWidget* client_ = nullptr;
    QWidget* speedBar_ = nullptr;
    QWidget* statusLine_ = nullptr;
    std::unique_ptr<QtShell> shell_;
    std::unique_ptr<Tiling> tiling_;
    std::unique_ptr<Printer> printer_;
    TForm2* palette_ = nullptr;
    std::unique_ptr<MouseTool> tools_[8];
    FileDropTarget dropper_;
    FileDropWidget* dropGlue_ = nullptr;
    bool shownOnce_ = false;
    int panelWidths_[2] = {150, 150};
};

}  // namespace rho
