#include "edit/UndoCommands.h"

#include "edit/StatusLine.h"
#include "render/Renderer.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

void followHistory(Tiling& t) { t.modified = t.history.atSaved() ? 0 : 1; }

// The floating shape's outline is a not-xor stroke: drawing it once more
// wipes it. A shape still being dragged lets go of the mouse.
void dropFloating(Tiling& t, Shell& shell) {
    drawShape(t, shell, shell.viewSurface(), t.floating, kPreview);
    t.adding = 0;
    if (t.captured == 1) {
        t.captured = 0;
        shell.releaseMouse();
    }
    announce(t, shell, "idle");
}

}  // namespace

void documentChanged(Tiling& t, const char* label) {
    if (t.history.record(t, label)) followHistory(t);
}

void undo1Click(Tiling& t, Shell& shell) {
    if (t.adding == 1) {
        dropFloating(t, shell);
        return;
    }
    if (!t.history.undo(t)) return;
    followHistory(t);
    redrawView(t, shell);
    announce(t, shell, "undone: " + t.history.redoLabel());
}

void redo1Click(Tiling& t, Shell& shell) {
    if (!t.history.redo(t)) return;
    followHistory(t);
    redrawView(t, shell);
    announce(t, shell, "redone: " + t.history.undoLabel());
}

}  // namespace rho
