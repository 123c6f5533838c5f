#include "io/WindowCommands.h"

#include "edit/Creation.h"
#include "io/TilingFile.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

bool FormCloseQuery(const Tiling& t, Shell& shell) {
    if (t.modified == 0) return true;
    return shell.messageBox("Do you want save current file?", Buttons::YesNo) == Answer::No;
}

bool openStartupFile(Tiling& t, Shell& shell, const std::string& path) {
    if (t.modified == 1 && shell.messageBox("Do you want save current file?", Buttons::YesNo) == Answer::Yes)
        return false;
    if (!readTiling(t, shell, path)) return false;
    setFileName(t, path, shell);
    t.untitled = 0;
    t.modified = 0;
    t.history.reset(t);
    return true;
}

}  // namespace rho
