#include "app/FileDropWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace rho {

FileDropWidget::FileDropWidget(QWidget* window, FileDropTarget& target)
    : QObject(window), window_(window), target_(target) {
    window_->setAcceptDrops(target_.EnableDrop);
    target_.OnEnableChanged = [this](bool enable) { window_->setAcceptDrops(enable); };
    window_->installEventFilter(this);
}

FileDropWidget::~FileDropWidget() {
    target_.OnEnableChanged = nullptr;
    window_->removeEventFilter(this);
    window_->setAcceptDrops(false);
}

std::vector<std::string> FileDropWidget::localPaths(const QMimeData& data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile()) continue;
        const QByteArray name = QFile::encodeName(url.toLocalFile());
        paths.emplace_back(name.constData(), static_cast<std::size_t>(name.size()));
    }
    return paths;
}

bool FileDropWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || !target_.EnableDrop) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData() && !localPaths(*drag->mimeData()).empty()) {
            drag->acceptProposedAction();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<std::string> paths = drop->mimeData() ? localPaths(*drop->mimeData()) : std::vector<std::string>{};
        if (paths.empty()) return false;
        drop->acceptProposedAction();
        window_->raise();
        window_->activateWindow();
        target_.drop(paths);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rho
