#include "seteditor/SetEditorHistory.h"

#include <utility>

namespace rho {

bool sameObject(const SetObject& a, const SetObject& b) {
    if (a.objectKind != b.objectKind || a.lastPoint != b.lastPoint || a.lineColor != b.lineColor ||
        a.fillColor != b.fillColor)
        return false;
    for (int p = 0; p <= a.lastPoint && p < kSetObjectPoints; ++p)
        if (a.points[p].x != b.points[p].x || a.points[p].y != b.points[p].y) return false;
    return true;
}

DrawingState DrawingState::of(const SetDrawing& d) {
    DrawingState s;
    s.objects.assign(d.objects, d.objects + d.count);
    return s;
}

void DrawingState::restoreInto(SetDrawing& d) const {
    for (std::size_t k = 0; k < objects.size(); ++k) d.objects[k] = objects[k];
    d.count = static_cast<int32_t>(objects.size());
}

bool DrawingState::matches(const SetDrawing& d) const {
    if (d.count != static_cast<int32_t>(objects.size())) return false;
    for (int k = 0; k < d.count; ++k)
        if (!sameObject(objects[k], d.objects[k])) return false;
    return true;
}

void SetEditorHistory::record(DrawingStep step) {
    steps_.resize(done_);
    if (saved_ > static_cast<long>(done_)) saved_ = -1;  // the saved drawing was among the steps dropped
    steps_.push_back(std::move(step));
    ++done_;
    if (steps_.size() > kMaxSteps) {
        steps_.pop_front();
        --done_;
        if (saved_ >= 0) --saved_;
    }
}

const DrawingStep& SetEditorHistory::undo() { return steps_[--done_]; }

const DrawingStep& SetEditorHistory::redo() { return steps_[done_++]; }

void SetEditorHistory::clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

}  // namespace rho
