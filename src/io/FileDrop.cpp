#include "io/FileDrop.h"

#include <utility>

namespace rho {

namespace {

bool isSeparator(char ch) {
#ifdef _WIN32
    return ch == '/' || ch == '\\';
#else
    return ch == '/';
#endif
}

}  // namespace

PathParts splitDroppedPath(const std::string& path) {
    // Walk from the end back to the last separator; every dot on the way
    // moves the start of the extension, so the first dot of the name wins.
    std::size_t nameStart = path.size();
    std::size_t extensionStart = path.size();
    while (nameStart > 0 && !isSeparator(path[nameStart - 1])) {
        --nameStart;
        if (path[nameStart] == '.') extensionStart = nameStart + 1;
    }
    return {path.substr(nameStart), path.substr(extensionStart)};
}

void FileDropTarget::setEnableDrop(bool enable) {
    EnableDrop = enable;
    if (OnEnableChanged) OnEnableChanged(enable);
}

void FileDropTarget::drop(const std::vector<std::string>& paths) {
    if (!EnableDrop) return;
    NameWithPath.clear();
    NameOnly.clear();
    Extension.clear();
    FileCount = static_cast<int32_t>(paths.size());
    for (const std::string& path : paths) {
        PathParts parts = splitDroppedPath(path);
        NameWithPath.push_back(path);
        NameOnly.push_back(std::move(parts.name));
        Extension.push_back(std::move(parts.extension));
    }
    if (OnDrop) OnDrop(*this);
}

}  // namespace rho
