#include "edit/RulesCommands.h"

#include "edit/StatusLine.h"
#include "render/Renderer.h"
#include "rules/Deflation.h"
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
    t.modified = 1;
    redrawView(t, shell);
    announce(t, shell, text);
}

}  // namespace

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
