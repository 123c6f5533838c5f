#include "io/DocumentCommands.h"

#include <optional>
#include <string>

#include "edit/Creation.h"
#include "edit/StatusLine.h"
#include "io/TilingFile.h"
#include "render/Renderer.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr const char* kSaveQuestion = "Do you want save current file?";

// True when the user answers Yes: the command then stops so that the
// current work can be saved first.
bool userWantsToSaveFirst(Shell& shell) {
    return shell.messageBox(kSaveQuestion, Buttons::YesNo) == Answer::Yes;
}

std::optional<std::string> askSavePath(Shell& shell, const char* filter) {
    FileDialogRequest request;
    request.title = "save tiling as";
    request.filter = filter;
    request.defaultExt = "rho";
    request.confirmOverwrite = true;
    const auto choice = shell.saveFileDialog(request);
    if (!choice) return std::nullopt;
    return choice->path;
}

// Opens `path` in place of the document. The file name and caption change
// only when the file was accepted, so that a later save never writes over
// a file that was refused.
void openPath(Tiling& t, Shell& shell, const std::string& path) {
    if (!readTiling(t, shell, path)) return;
    setFileName(t, path, shell);
    t.untitled = 0;
    t.modified = 0;
    t.history.reset(t);
}

bool nothingToSave(const Tiling& t, Shell& shell) {
    if (t.shapeLast >= 0) return false;
    shell.messageBox("Nothing to save,", Buttons::Ok);
    return true;
}

}  // namespace

void new1Click(Tiling& t, Shell& shell) {
    if (t.untitled == 1 && t.modified == 0) return;
    if (userWantsToSaveFirst(shell)) return;
    t.shapeLast = -1;
    t.contourLast = -1;
    redrawView(t, shell);
    t.modified = 0;
    t.history.reset(t);
    t.untitled = 1;
    setFileName(t, "untitled", shell);
    refreshStatusLine(t, shell);
}

void SpeedButton1Click(Tiling& t, Shell& shell) { new1Click(t, shell); }

void open1Click(Tiling& t, Shell& shell) {
    if (t.modified == 1 && userWantsToSaveFirst(shell)) return;
    FileDialogRequest request;
    request.title = "open file";
    request.filter = "penrose tiling(*.rho)|*.rho";
    request.defaultExt = "rho";
    request.mustExist = true;
    const auto choice = shell.openFileDialog(request);
    if (!choice) return;
    openPath(t, shell, choice->path);
}

void SpeedButton3Click(Tiling& t, Shell& shell) { open1Click(t, shell); }

void save1Click(Tiling& t, Shell& shell) {
    if (nothingToSave(t, shell)) return;
    if (t.untitled == 1) {
        const auto path = askSavePath(shell, "penrose tiling (*.rho)|*rho");
        if (!path) return;
        t.fileName = *path;
        if (!writeTiling(t, shell, *path)) return;
        setFileName(t, *path, shell);
        t.modified = 0;
        t.history.markSaved();
        t.untitled = 0;
        return;
    }
    // A failed write keeps the document marked modified: its changes are
    // not on disk.
    if (!writeTiling(t, shell, t.fileName)) return;
    t.modified = 0;
    t.history.markSaved();
}

void SpeedButton2Click(Tiling& t, Shell& shell) { save1Click(t, shell); }

void saveas1Click(Tiling& t, Shell& shell) {
    if (nothingToSave(t, shell)) return;
    const auto path = askSavePath(shell, "penrose tiling (*.rho)|*.rho");
    if (!path) return;
    // A failed write leaves the name the caption shows, so that a later
    // "save..." goes to the file the user sees, not to the failed target.
    const std::string previous = t.fileName;
    t.fileName = *path;
    if (writeTiling(t, shell, *path))
        setFileName(t, *path, shell);
    else
        t.fileName = previous;
}

void Dropper1Drop(Tiling& t, Shell& shell, const FileDropTarget& dropper) {
    // A drop without files (or with lists that disagree) has nothing to open.
    if (dropper.Extension.empty() || dropper.NameWithPath.empty()) return;
    if (dropper.Extension.front() != "rho") return;
    if (t.modified == 1 && userWantsToSaveFirst(shell)) return;
    openPath(t, shell, dropper.NameWithPath.front());
}

}  // namespace rho
