#include "app/QtShell.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "app/ModalUi.h"
#include "app/QtBitmap.h"
#include "app/ViewWidget.h"

namespace rho {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const char* const kDisplayGroup[] = {"display as shape", "display as set", "display as both"};

}  // namespace

Answer QtShell::messageBox(const std::string& text, Buttons buttons) {
    // What the command drew before its message (a selection, refused
    // shapes) shows behind the box, not only after the command ends.
    parts_.view->update();
    return ui_.messageBox(parts_.window, text, buttons);
}

std::optional<FileChoice> QtShell::openFileDialog(const FileDialogRequest& request) {
    return ui_.openFileDialog(parts_.window, request);
}

std::optional<FileChoice> QtShell::saveFileDialog(const FileDialogRequest& request) {
    return ui_.saveFileDialog(parts_.window, request);
}

std::optional<Color> QtShell::colorDialog(Color initial) { return ui_.colorDialog(parts_.window, initial); }

void QtShell::setStatusPanels(std::string_view shapes, std::string_view tool, std::string_view status) {
    const std::string_view texts[3] = {shapes, tool, status};
    for (int i = 0; i < 3; ++i) {
        QLabel* panel = parts_.panels[i];
        const QString value = text(texts[i]);
        if (panel->text() == value) continue;
        panel->setText(value);
        panel->setAccessibleName(value);
        // A long command holds the event loop: show its status at once.
        if (panel->isVisible()) panel->repaint();
    }
}

int QtShell::progressValue(int value) { return std::clamp(value, -32768, 32767); }

void QtShell::setProgressRange(int minimum, int maximum) {
    parts_.progress->setRange(progressValue(minimum), progressValue(maximum));
    shownPercent_ = -1;
}

void QtShell::setProgressPosition(int position) {
    parts_.progress->setValue(progressValue(position));
    showProgress();
}

// Repaints the bar while a command holds the event loop, but only when
// its percentage changes, so that long tables stay fast.
void QtShell::showProgress() {
    QProgressBar* bar = parts_.progress;
    if (!bar->isVisible()) return;
    const long long span = static_cast<long long>(bar->maximum()) - bar->minimum();
    const int percent = span <= 0 ? 0 : static_cast<int>((bar->value() - bar->minimum()) * 100LL / span);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    bar->repaint();
}

void QtShell::captureMouse() {
    if (parts_.view->isVisible()) parts_.view->grabMouse();
}

void QtShell::releaseMouse() {
    if (QWidget::mouseGrabber() == parts_.view) parts_.view->releaseMouse();
}

Surface& QtShell::viewSurface() { return parts_.view->surface(); }
int QtShell::clientWidth() const { return parts_.view->width(); }
int QtShell::clientHeight() const { return parts_.view->height(); }

void QtShell::setCaption(const std::string& caption) {
    parts_.window->setWindowTitle(QString::fromLocal8Bit(caption.data(), static_cast<qsizetype>(caption.size())));
}

void QtShell::setMenuChecked(const std::string& item, bool checked) {
    const auto found = parts_.items.find(text(item));
    if (found == parts_.items.end()) return;
    found->second->setCheckable(true);
    found->second->setChecked(checked);
}

void QtShell::setMenuEnabled(const std::string& item, bool enabled) {
    const QString name = text(item);
    if (const auto found = parts_.items.find(name); found != parts_.items.end()) found->second->setEnabled(enabled);
    if (const auto found = parts_.buttons.find(name); found != parts_.buttons.end()) found->second->setEnabled(enabled);
}

void QtShell::setButtonDown(const std::string& hint, bool down) {
    const auto found = parts_.buttons.find(text(hint));
    if (found == parts_.buttons.end()) return;
    found->second->setCheckable(true);
    found->second->setChecked(down);
    if (!down || std::find(std::begin(kDisplayGroup), std::end(kDisplayGroup), hint) == std::end(kDisplayGroup))
        return;
    for (const char* other : kDisplayGroup) {
        if (hint == other) continue;
        if (const auto button = parts_.buttons.find(other); button != parts_.buttons.end())
            button->second->setChecked(false);
    }
}

Color QtShell::systemColor(SystemColor which) const {
    const QPalette palette = QApplication::palette();
    switch (which) {
        case SystemColor::ButtonFace: return fromQRgb(palette.color(QPalette::Button).rgb());
        case SystemColor::Window: return fromQRgb(palette.color(QPalette::Base).rgb());
        case SystemColor::ButtonShadow: return fromQRgb(palette.color(QPalette::Dark).rgb());
        case SystemColor::ButtonHighlight: return fromQRgb(palette.color(QPalette::Light).rgb());
    }
    return 0;
}

int QtShell::screenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : 0;
}

int QtShell::screenHeight() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : 0;
}

std::unique_ptr<OffscreenBitmap> QtShell::createBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    auto bitmap = std::make_unique<QtBitmap>(width, height);
    if (bitmap->image().isNull()) return nullptr;
    return bitmap;
}

}  // namespace rho
