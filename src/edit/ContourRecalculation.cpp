#include "edit/ContourRecalculation.h"

#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "render/Renderer.h"
#include "tiling/Contour.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Shows a rebuild to the user: "calculating conturs", the progress bar over
// the shape table, the counts after every shape, refused shapes redrawn.
class ShellRebuildObserver : public RebuildObserver {
public:
    ShellRebuildObserver(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    void started(int shapeLast) override {
        t_.statusText = "calculating conturs";
        shell_.setProgressRange(0, shapeLast);
    }
    void shapeStarted(int i) override {
        shell_.setProgressPosition(i);
        refreshStatusLine(t_, shell_);
    }
    void shapeRefused(int i) override { drawShape(t_, shell_, shell_.viewSurface(), t_.shapes[i], kNormal); }

private:
    Tiling& t_;
    Shell& shell_;
};

bool finish(Tiling& t, Shell& shell, bool ok, bool started) {
    if (started) {
        shell.setProgressPosition(0);
        announce(t, shell, "idle");
    }
    if (!ok) shell.messageBox("Contur calculation failed", Buttons::Ok);
    return ok;
}

template <class Rebuild>
bool recalculate(Tiling& t, Shell& shell, Rebuild rebuild) {
    const bool started = t.shapeLast >= 0;
    ShellRebuildObserver observer(t, shell);
    return finish(t, shell, rebuild(t, observer), started);
}

}  // namespace

bool recalculateContour(Tiling& t, Shell& shell) {
    return recalculate(t, shell, [](Tiling& tt, RebuildObserver& o) { return rebuildContour(tt, o); });
}

bool recalculateContourLinear(Tiling& t, Shell& shell) {
    return recalculate(t, shell, [](Tiling& tt, RebuildObserver& o) { return rebuildContourLinear(tt, o); });
}

void recalculatecontour1Click(Tiling& t, Shell& shell) {
    recalculateContour(t, shell);
    documentChanged(t, "recalculate contour");
}

}  // namespace rho
