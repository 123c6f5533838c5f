#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "app/FileDropWidget.h"

namespace rho {
namespace {

QMimeData* filesData(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    urls << QUrl("https://example.org/not-a-file.rho");  // not local: skipped
    data->setUrls(urls);
    return data;
}

TEST(FileDropWidget, DropHandsLocalPathsInOrderAndFollowsEnableDrop) {
    QWidget window;
    FileDropTarget target;
    int drops = 0;
    target.OnDrop = [&drops](FileDropTarget&) { ++drops; };
    FileDropWidget glue(&window, target);
    EXPECT_TRUE(window.acceptDrops());

    std::unique_ptr<QMimeData> data(filesData({"/tmp/tilings/star.rho", "/tmp/my.dir/a.b.rho", "/tmp/plain"}));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    ASSERT_EQ(drops, 1);
    EXPECT_EQ(target.FileCount, 3);
    EXPECT_EQ(target.NameWithPath, (std::vector<std::string>{"/tmp/tilings/star.rho", "/tmp/my.dir/a.b.rho", "/tmp/plain"}));
    EXPECT_EQ(target.NameOnly, (std::vector<std::string>{"star.rho", "a.b.rho", "plain"}));
    EXPECT_EQ(target.Extension, (std::vector<std::string>{"rho", "b.rho", ""}));

    target.setEnableDrop(false);
    EXPECT_FALSE(window.acceptDrops());
    QDropEvent ignored(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &ignored);
    EXPECT_EQ(drops, 1);
}

}  // namespace
}  // namespace rho
