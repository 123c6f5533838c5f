#include "app/QtBitmap.h"

#include <QSaveFile>

namespace rho {

QtBitmap::QtBitmap(int width, int height) : image_(width, height, QImage::Format_RGB32), surface_(image_) {
    image_.fill(Qt::white);
}

const QImage& QtBitmap::image() {
    surface_.flush();
    return image_;
}

bool QtBitmap::saveAs(const std::string& path, const char* format) {
    surface_.flush();
    // QSaveFile writes beside the target and renames only on commit.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image_.save(&file, format)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool QtBitmap::saveBmp(const std::string& path) {
    // RGB32 images are written as 24 bits per pixel.
    return saveAs(path, "BMP");
}

}  // namespace rho
