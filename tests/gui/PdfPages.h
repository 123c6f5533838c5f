#pragma once
// PDF pages read back as pixels with pdftoppm, without smoothing, so that a
// page drawn at the rendering resolution comes back pixel for pixel.

#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>

namespace rho::test {

// Page 1 of `pdf` at `dpi`, as RGB32; a null image when pdftoppm failed.
inline QImage readPdfPage(const std::string& pdf, int dpi) {
    const std::string png = pdf + ".page";
    const std::string command = "pdftoppm -r " + std::to_string(dpi) + " -aa no -aaVector no -png -singlefile '" +
                                pdf + "' '" + png + "'";
    if (std::system(command.c_str()) != 0) return QImage();
    return QImage(QString::fromStdString(png + ".png")).convertToFormat(QImage::Format_RGB32);
}

}  // namespace rho::test
