#include "seteditor/EditorUndo.h"

#include <utility>

#include "seteditor/EditorTools.h"
#include "seteditor/EditorView.h"
#include "seteditor/SetEditor.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// The modified flag follows the histories: clear only when both drawings
// stand where they were last saved or opened.
void followHistories(SetEditor& e) { e.modified = !(e.history[0].atSaved() && e.history[1].atSaved()); }

// Takes back what the mouse is in the middle of: a dragged point returns to
// where it was picked up; an unfinished object and a rubber band are
// dropped. Returns the name of what was taken back, or null.
const char* dropPending(SetEditor& e) {
    if (e.dragging) {
        e.dragging = false;
        e.dragBefore.restoreInto(e.workingDrawing);
        return editorStepName(kMovePoints);
    }
    if (e.objectInProgress || e.rubberBand) {
        abandonPending(e);
        return editorStepName(e.editorTool);
    }
    return nullptr;
}

void show(SetEditor& e, std::string text) {
    e.historyText = std::move(text);
    followHistories(e);
    FormPaint(e);  // commits the working drawing and refreshes the status bar and the items
}

}  // namespace

SetDrawing& drawingOf(SetEditor& e, int shape) {
    if (shape == e.editLarge) return e.workingDrawing;
    return shape ? e.t.set.large : e.t.set.small;
}

bool recordEdit(SetEditor& e, int shape, const std::string& what, DrawingState before, int group) {
    const SetDrawing& now = drawingOf(e, shape);
    if (before.matches(now)) return false;
    e.history[shape].record(DrawingStep{what, std::move(before), DrawingState::of(now), group});
    e.historyText.clear();
    followHistories(e);
    return true;
}

void finishDrag(SetEditor& e) {
    if (!e.dragging) return;
    e.dragging = false;
    recordEdit(e, e.editLarge, editorStepName(kMovePoints), std::move(e.dragBefore));
}

void undo1Click(SetEditor& e) {
    if (const char* dropped = dropPending(e)) {
        show(e, std::string("undone: ") + dropped);
        return;
    }
    const int shown = e.editLarge;
    const int other = 1 - shown;
    if (!e.history[shown].canUndo()) return;
    const DrawingStep& step = e.history[shown].undo();
    step.before.restoreInto(e.workingDrawing);
    const DrawingStep* partner = e.history[other].nextUndo();
    if (step.group != 0 && partner && partner->group == step.group) {
        e.history[other].undo().before.restoreInto(drawingOf(e, other));
        e.mainViewStale = true;
    }
    show(e, "undone: " + step.what);
}

void redo1Click(SetEditor& e) {
    const int shown = e.editLarge;
    const int other = 1 - shown;
    if (!e.history[shown].canRedo()) return;
    dropPending(e);
    const DrawingStep& step = e.history[shown].redo();
    step.after.restoreInto(e.workingDrawing);
    const DrawingStep* partner = e.history[other].nextRedo();
    if (step.group != 0 && partner && partner->group == step.group) {
        e.history[other].redo().after.restoreInto(drawingOf(e, other));
        e.mainViewStale = true;
    }
    show(e, "redone: " + step.what);
}

bool canUndo(const SetEditor& e) {
    return e.dragging || e.objectInProgress || e.rubberBand || e.history[e.editLarge].canUndo();
}

bool canRedo(const SetEditor& e) { return e.history[e.editLarge].canRedo(); }

void refreshUndoItems(SetEditor& e) {
    e.shell.setMenuEnabled("undo", canUndo(e));
    e.shell.setMenuEnabled("redo", canRedo(e));
}

void freshHistories(SetEditor& e) {
    e.history[0].clear();
    e.history[1].clear();
    e.historyText.clear();
    followHistories(e);
    refreshUndoItems(e);
}

void markSetSaved(SetEditor& e) {
    e.history[0].markSaved();
    e.history[1].markSaved();
    followHistories(e);
}

}  // namespace rho
