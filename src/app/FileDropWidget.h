#pragma once
// Qt glue of a window's file drop target: accepts files dragged from the
// desktop onto the window, brings the window to the front and hands the
// local paths, in the order the desktop gives them, to the FileDropTarget.

#include <QObject>

#include "io/FileDrop.h"

class QWidget;
class QMimeData;

namespace rho {

class FileDropWidget : public QObject {
    Q_OBJECT
public:
    // Attaches to `window` (which must outlive this object) and registers it
    // for drops while target.EnableDrop is true.
    FileDropWidget(QWidget* window, FileDropTarget& target);
    ~FileDropWidget() override;

    // The local file paths of a drop, encoded as the file system names them.
    static std::vector<std::string> localPaths(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    FileDropTarget& target_;
};

}  // namespace rho
