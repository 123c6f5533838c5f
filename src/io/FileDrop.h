#pragma once
// The file drop target of a window, without the window: it takes the full
// paths of the files dropped on its owner, splits each into its name and
// extension, keeps the three parts in parallel lists and notifies the owner.
// The window layer brings its window to the front, hands the paths to
// drop(), and registers or unregisters the window for drops when
// OnEnableChanged reports a new EnableDrop.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rho {

// The name (after the last path separator) and the extension (after the
// first dot of the name; empty when the name has none) of a path.
struct PathParts {
    std::string name;
    std::string extension;
};

PathParts splitDroppedPath(const std::string& path);

class FileDropTarget {
public:
    std::vector<std::string> NameWithPath;
    std::vector<std::string> NameOnly;
    std::vector<std::string> Extension;
    int32_t FileCount = 0;
    bool EnableDrop = true;
    std::function<void(FileDropTarget&)> OnDrop;
    // Called by setEnableDrop so the window can accept or refuse drops.
    std::function<void(bool)> OnEnableChanged;

    void setEnableDrop(bool enable);

    // Handles one drop of the given paths, in the order the platform reports
    // them: empties the lists, counts the files, splits and appends each
    // path, then calls OnDrop. Ignored while EnableDrop is false.
    void drop(const std::vector<std::string>& paths);
};

}  // namespace rho
