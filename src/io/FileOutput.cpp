#include "io/FileOutput.h"

#include "tiling/Shell.h"

namespace rho {

bool openForSaving(AtomicFile& file, Shell& shell, const std::string& path) {
    if (file.open(path)) return true;
    shell.messageBox("Can not create file", Buttons::OkCancel);
    shell.messageBox("Error writing file", Buttons::OkCancel);
    return false;
}

bool finishSaving(AtomicFile& file, Shell& shell, std::string_view bytes) {
    if (file.write(bytes) && file.commit()) return true;
    file.discard();
    shell.messageBox("Error writing file", Buttons::OkCancel);
    return false;
}

}  // namespace rho
