#pragma once
// Deflation and composition of a rhomb tiling.
//
// Deflation cuts every shape into smaller ones and scales the tiling by the
// golden ratio, so the children keep side 40: a thick shape yields one whole
// thick child and four halves, a thin shape four halves. A half lies across
// an edge of its parent and is made by both shapes that share that edge; it
// is kept once. Composition is the inverse: a parent is kept where all its
// children, whole and half, stand in the tiling. Composing a deflated tiling
// gives back the tiling it came from.
//
// Both work on the shape table as a whole, keep the shapes in rows (the
// order of "order shapes") and rebuild the contour from scratch. Whatever
// they refuse, they refuse before anything changes.

#include <string>

namespace rho {

struct Tiling;

enum class DeflateOutcome {
    Done,             // the tiling was replaced by the result
    ArrowConflicts,   // refused: shared edges with differing arrows (`arrowConflicts` of them, as checkRules counts)
    TooLarge,         // refused: the result would not fit in the shape or contour table
    Empty,            // refused: there is no shape
    NothingComposed,  // refused: no shape has all the children of a parent
};

struct DeflateResult {
    DeflateOutcome outcome = DeflateOutcome::Done;
    // Shared edges whose arrows differ, in the tiling that the refused step
    // was to deflate; 0 unless the outcome is ArrowConflicts.
    int arrowConflicts = 0;
    // Shapes of the result; for a refusal as too large, of the step's result
    // that did not fit (above 15000, or within it when the contour did not fit).
    int shapes = 0;
    // Shapes left out because they would overlap others: in a deflation,
    // halves that stick out across the boundary at a point that no legal
    // star completes (the children inside the parents go first); in a
    // composition, parents that overlap parents before them. 0 on a patch
    // that keeps the rules.
    int dropped = 0;
};

// Deflates the tiling `times` times (a value below 1 counts as 1). Every
// step is checked: a step whose tiling has arrow conflicts, or whose result
// would exceed the shape or contour table, refuses the whole command and
// leaves the tiling as it was. Children take the colour of the parent that
// made them first in table order, unselected. The modified flag, the status
// line and the view are the caller's.
DeflateResult deflateTiling(Tiling& t, int times = 1);

// Replaces the tiling by its composition. Shapes that belong to no complete
// parent are dropped. A thick parent takes the colour of its whole child; a
// thin parent, which has none, the colour that all its children share, or
// colour 1 when they differ; parents are unselected. Refused, with nothing
// changed, when no parent is complete.
DeflateResult composeTiling(Tiling& t);

// One line that tells the user what happened: the refusal's reason, or the
// count of shapes the tiling now holds.
std::string deflateResultText(const DeflateResult& r, bool composing);

}  // namespace rho
