#include "edit/RulesCommands.h"

#include <vector>

#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "render/Renderer.h"
#include "rules/Check.h"
#include "rules/Deflation.h"
#include "rules/Force.h"
#include "rules/Orient.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Deflation and composition: the tiling replaced, or a box that says why not.
void replaceTiling(Tiling& t, Shell& shell, bool composing) {
    announce(t, shell, composing ? kComposingText : kDeflatingText);
    const DeflateResult r = composing ? composeTiling(t) : deflateTiling(t);
    const std::string text = deflateResultText(r, composing);
    if (r.outcome != DeflateOutcome::Done) {
        announce(t, shell, "idle");
        shell.messageBox(text, Buttons::Ok);
        return;
    }
    documentChanged(t, composing ? "compose" : "deflate");
    redrawView(t, shell);
    announce(t, shell, text);
}

// Makes `offending` (sorted shape indices) the selection: every shape
// walked, an earlier selection cleared, the offending shapes' colours
// negated, with the progress bar following the walk.
void selectOnly(Tiling& t, Shell& shell, const std::vector<int>& offending) {
    shell.setProgressRange(0, t.shapeLast);
    auto next = offending.begin();
    for (int i = 0; i <= t.shapeLast; ++i) {
        shell.setProgressPosition(i);
        TileShape& s = t.shapes[i];
        const bool offends = next != offending.end() && *next == i;
        if (offends) ++next;
        if ((s.color < 0) != offends) s.color = -s.color;
    }
    shell.setProgressPosition(0);
    t.history.noteSelection(t);
}

}  // namespace

void orientshapes1Click(Tiling& t, Shell& shell) {
    announce(t, shell, kOrientingText);
    const OrientResult r = orientShapes(t);
    documentChanged(t, "orient shapes");
    redrawView(t, shell);
    announce(t, shell,
             "turned: " + std::to_string(r.turned) + ", arrow conflicts: " + std::to_string(r.arrowConflicts));
}

void checkmatchingrules1Click(Tiling& t, Shell& shell) {
    announce(t, shell, kCheckingText);
    const RuleReport r = checkRules(t);
    selectOnly(t, shell, r.offendingShapes);
    redrawView(t, shell);
    announce(t, shell, "idle");
    shell.messageBox(ruleCountsText(r.arrowConflicts, r.illegalVertices, r.deadEnds), Buttons::Ok);
}

void fillforcedshapes1Click(Tiling& t, Shell& shell) {
    announce(t, shell, kForcingText);
    const ForceResult r = forceShapes(t);
    documentChanged(t, "fill forced shapes");
    redrawView(t, shell);
    std::string text = "forced shapes: " + std::to_string(r.forced) + ", dead ends: " + std::to_string(r.deadEnds);
    if (r.tableFull) text += ", the table is full";
    announce(t, shell, text);
}

std::string ruleCountsText(int arrowConflicts, int illegalVertices, int deadEnds) {
    return "arrow conflicts: " + std::to_string(arrowConflicts) + "\nillegal vertices: " +
           std::to_string(illegalVertices) + "\ndead ends: " + std::to_string(deadEnds);
}

void deflate1Click(Tiling& t, Shell& shell) { replaceTiling(t, shell, false); }

void compose1Click(Tiling& t, Shell& shell) { replaceTiling(t, shell, true); }

void keepmatchingrules1Click(Tiling& t, Shell& shell) {
    t.keepRules = t.keepRules == 0 ? 1 : 0;
    shell.setMenuChecked("keep matching rules", t.keepRules == 1);
}

}  // namespace rho
