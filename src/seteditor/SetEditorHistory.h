#pragma once
// Undo and redo for one drawing of the set editor. A step keeps the counted
// objects of the drawing before and after one user action (a whole drag, a
// finished object, a deleted point, a clear, a transfer); a drawing holds
// at most 50 small records, so two copies per step cost a few kilobytes at
// most. The oldest steps are dropped beyond the cap.

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "tiling/SetDesign.h"

namespace rho {

// Whether two objects have the same kind, colours and used points.
bool sameObject(const SetObject& a, const SetObject& b);

// The counted objects of a drawing; slots at or beyond the count are not
// kept, since nothing reads them.
struct DrawingState {
    std::vector<SetObject> objects;

    static DrawingState of(const SetDrawing& d);
    // Puts the objects back and sets the count; later slots stay as they are.
    void restoreInto(SetDrawing& d) const;
    // Whether `d` counts the same objects with the same kinds, colours and
    // used points.
    bool matches(const SetDrawing& d) const;
};

struct DrawingStep {
    std::string what;  // the action's name, as the status line shows it
    DrawingState before, after;
    // Steps that one command left in both drawings' histories share a
    // group number (0: none), so that they are undone and redone together.
    int group = 0;
};

class SetEditorHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;

    // Adds a step after the current position; steps that were undone are
    // gone, and the oldest one goes when the cap is passed.
    void record(DrawingStep step);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The step the next undo or redo would take, or null.
    const DrawingStep* nextUndo() const { return canUndo() ? &steps_[done_ - 1] : nullptr; }
    const DrawingStep* nextRedo() const { return canRedo() ? &steps_[done_] : nullptr; }
    // Moves one step back or forward and returns that step; call only when
    // canUndo() or canRedo() says so.
    const DrawingStep& undo();
    const DrawingStep& redo();

    // No steps; the drawing as it is now counts as saved.
    void clear();
    // The drawing as it is now is the one in the set file.
    void markSaved() { saved_ = static_cast<long>(done_); }
    // Whether undo and redo have brought the drawing back to the saved one.
    bool atSaved() const { return saved_ == static_cast<long>(done_); }

    std::size_t size() const { return steps_.size(); }
    std::size_t position() const { return done_; }

private:
    std::deque<DrawingStep> steps_;
    std::size_t done_ = 0;  // steps applied; the next undo takes steps_[done_ - 1]
    long saved_ = 0;        // position of the saved drawing; -1 once no position leads back to it
};

}  // namespace rho
