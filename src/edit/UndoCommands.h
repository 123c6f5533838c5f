#pragma once
// Undo and redo of the main window, and the one place where every command
// that changes the shape or contour table reports its change.

namespace rho {

struct Tiling;
class Shell;

// Called by every document-changing command once, at its end: records the
// change as one undo step named `label` and lets the modified flag follow
// the history (clear exactly when the state is the saved one). A command
// that changed nothing records nothing and leaves the flag.
void documentChanged(Tiling& t, const char* label);

// "undo": while a floating shape is being placed, takes it away (that alone
// is the step); otherwise takes back the last step, redraws and says
// "undone: LABEL" in the status line.
void undo1Click(Tiling& t, Shell& shell);

// "redo": repeats the step undo took back last, redraws and says
// "redone: LABEL".
void redo1Click(Tiling& t, Shell& shell);

}  // namespace rho
