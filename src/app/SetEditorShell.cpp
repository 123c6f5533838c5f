#include "app/SetEditorShell.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QSignalBlocker>
#include <QWidget>

#include "app/ModalUi.h"

namespace rho {

SetEditorShell::SetEditorShell(QWidget* window, QWidget* mainWindow, ModalUi& ui)
    : window_(window), mainWindow_(mainWindow), ui_(ui), surface_(std::make_unique<QtSurface>(image_)) {
    image_.fill(Qt::white);
}

SetEditorShell::~SetEditorShell() = default;

void SetEditorShell::resizeBuffer(int width, int height, int scale) {
    surface_.reset();  // the surface draws on the image it was made with
    image_ = backBuffer(QSize(width, height), scale);
    surface_ = std::make_unique<QtSurface>(image_);
}

const QImage& SetEditorShell::buffer() {
    surface_->flush();
    return image_;
}

void SetEditorShell::restoreChecks() {
    for (const auto& [item, on] : checked_) setMenuChecked(item, on);
    for (const auto& [hint, on] : down_) setButtonDown(hint, on);
}

Answer SetEditorShell::messageBox(const std::string& text, Buttons buttons) {
    return ui_.messageBox(window_, text, buttons);
}

// File dialogs are the main window's, as the editor shares them.
std::optional<FileChoice> SetEditorShell::openFileDialog(const FileDialogRequest& request) {
    return ui_.openFileDialog(mainWindow_ ? mainWindow_.data() : window_, request);
}

std::optional<FileChoice> SetEditorShell::saveFileDialog(const FileDialogRequest& request) {
    return ui_.saveFileDialog(mainWindow_ ? mainWindow_.data() : window_, request);
}

// The colour dialog belongs to the editor, so that it opens over it.
std::optional<Color> SetEditorShell::colorDialog(Color initial) { return ui_.colorDialog(window_, initial); }

void SetEditorShell::setStatusPanels(std::string_view shapes, std::string_view tool, std::string_view status) {
    const std::string_view texts[3] = {shapes, tool, status};
    for (int k = 0; k < 3; ++k)
        if (panels[k]) panels[k]->setText(QString::fromUtf8(texts[k].data(), static_cast<qsizetype>(texts[k].size())));
}

void SetEditorShell::setCaption(const std::string& caption) {
    window_->setWindowTitle(QString::fromLocal8Bit(caption.c_str()));
}

void SetEditorShell::setMenuChecked(const std::string& item, bool checked) {
    checked_[item] = checked;
    const auto found = menuItems.find(item);
    if (found == menuItems.end()) return;
    const QSignalBlocker quiet(found->second);
    found->second->setChecked(checked);
}

void SetEditorShell::setMenuEnabled(const std::string& item, bool enabled) {
    const auto found = menuItems.find(item);
    if (found != menuItems.end()) found->second->setEnabled(enabled);
}

void SetEditorShell::setButtonDown(const std::string& hint, bool down) {
    down_[hint] = down;
    const auto found = buttons.find(hint);
    if (found == buttons.end()) return;
    const QSignalBlocker quiet(found->second);
    found->second->setChecked(down);
}

Color SetEditorShell::systemColor(SystemColor which) const {
    const QPalette palette = QApplication::palette();
    QColor c;
    switch (which) {
    case SystemColor::ButtonFace: c = palette.color(QPalette::Button); break;
    case SystemColor::Window: c = palette.color(QPalette::Base); break;
    case SystemColor::ButtonShadow: c = palette.color(QPalette::Dark); break;
    case SystemColor::ButtonHighlight: c = palette.color(QPalette::Light); break;
    }
    return fromQRgb(c.rgb());
}

int SetEditorShell::screenWidth() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size().width() : 0;
}

int SetEditorShell::screenHeight() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size().height() : 0;
}

}  // namespace rho
