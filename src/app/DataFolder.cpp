#include "app/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rho {

namespace {

std::string localPath(const QString& folder) {
    const QByteArray bytes = QFile::encodeName(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

std::string setsFolderFor(const QString& binDir) {
    const QString installed = QDir(binDir).filePath(QStringLiteral(RHO_SETS_FROM_BIN));
    if (QFileInfo(installed).isDir()) return localPath(installed);
    const QString examples = QFile::decodeName(RHO_EXAMPLES_DIR);
    if (QFileInfo(examples).isDir()) return localPath(examples);
    return {};
}

std::string setsFolder() { return setsFolderFor(QCoreApplication::applicationDirPath()); }

}  // namespace rho
