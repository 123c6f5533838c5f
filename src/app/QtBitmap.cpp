#include "app/QtBitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

namespace rho {

QtBitmap::QtBitmap(int width, int height) : image_(width, height, QImage::Format_RGB32), surface_(image_) {
    image_.fill(Qt::white);
}

const QImage& QtBitmap::image() {
    surface_.flush();
    return image_;
}

bool QtBitmap::encodeAs(std::string& bytes, const char* format) {
    surface_.flush();
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&buffer, format);
    if (!writer.write(image_)) return false;
    bytes.assign(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    return true;
}

bool QtBitmap::encode(std::string& bytes) {
    // RGB32 images are written as 24 bits per pixel.
    return encodeAs(bytes, "BMP");
}

}  // namespace rho
