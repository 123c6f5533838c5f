#pragma once
// Undo and redo in the set editor. Each shape has its own history; the
// edit menu's "undo" and "redo" work on the history of the shown shape.
// Every command and mouse action that changes a drawing records one step
// when it completes; the modified flag then follows the histories: it is
// clear exactly when both drawings are back where they were last saved or
// opened.

#include <string>

#include "seteditor/SetEditorHistory.h"

namespace rho {

struct SetEditor;
struct SetDrawing;

// The drawing of shape 0 (small) or 1 (large) as it stands now: the working
// drawing for the shown shape, the set's drawing for the other.
SetDrawing& drawingOf(SetEditor& e, int shape);

// Records a step named `what` in the history of `shape` when its drawing is
// no longer `before`; then the modified flag follows the histories. Returns
// whether a step was recorded.
bool recordEdit(SetEditor& e, int shape, const std::string& what, DrawingState before, int group = 0);

// Ends a drag of the move tool, recording the moved point as one step.
void finishDrag(SetEditor& e);

// edit > "undo": first drops what the mouse is in the middle of (a drag, an
// unfinished object, a rubber band); otherwise takes back the shown shape's
// last step, and with it the other shape's step of the same command.
void undo1Click(SetEditor& e);
// edit > "redo": puts back the step last undone.
void redo1Click(SetEditor& e);
bool canUndo(const SetEditor& e);
bool canRedo(const SetEditor& e);
// Enables or disables "undo" and "redo".
void refreshUndoItems(SetEditor& e);

// Both histories start afresh (new, open, a dropped file); the set as it
// is now counts as saved.
void freshHistories(SetEditor& e);
// The set as it is now is the one in the file.
void markSetSaved(SetEditor& e);

}  // namespace rho
