#include "seteditor/SetEditor.h"

#include <cstdio>

#include "render/Renderer.h"
#include "render/Surface.h"
#include "seteditor/EditorUndo.h"
#include "seteditor/EditorView.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

const char* const kToolTexts[6] = {
    "move points of objects",
    "add lines",
    "add polylines (right mouse : finish)",
    "add polygons (right mouse : close polygon)",
    "delete points of objects",
    "left mouse: get fill color - right mouse: get line color",
};

// Whether the counted objects of two drawings look the same.
bool sameDrawing(const SetDrawing& a, const SetDrawing& b) {
    if (a.count != b.count) return false;
    for (int k = 0; k < a.count; ++k)
        if (!sameObject(a.objects[k], b.objects[k])) return false;
    return true;
}

}  // namespace

SetDrawing& shownDrawing(SetEditor& e) { return e.editLarge ? e.t.set.large : e.t.set.small; }

const char* editorToolText(int tool) { return tool >= 0 && tool < 6 ? kToolTexts[tool] : ""; }

std::string editorTitle(const std::string& fileName) { return "rho 2.0 - set editor - " + fileName; }

std::string colorHint(Color c) {
    char text[16];
    std::snprintf(text, sizeof text, "%d-%d-%d", static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff),
                  static_cast<int>((c >> 16) & 0xff));
    return text;
}

void commitWorking(SetEditor& e) {
    SetDrawing& shown = shownDrawing(e);
    if (!sameDrawing(shown, e.workingDrawing)) e.mainViewStale = true;
    shown = e.workingDrawing;
    if (e.mainViewStale && !e.dragging) {
        e.mainViewStale = false;
        redrawView(e.t, e.mainShell);
    }
}

void loadWorking(SetEditor& e) { e.workingDrawing = shownDrawing(e); }

void abandonPending(SetEditor& e) {
    e.objectInProgress = false;
    e.rubberBand = false;
    e.pressAccepted = false;
    e.shell.viewSurface().setStrokeMode(StrokeMode::Copy);
}

void refreshEditorStatus(SetEditor& e) {
    const std::string objects = "objects: " + std::to_string(e.workingDrawing.count);
    e.shell.setStatusPanels(objects, editorToolText(e.editorTool), e.historyText);
    refreshUndoItems(e);
    commitWorking(e);
}

void startSetEditor(SetEditor& e) {
    loadWorking(e);
    e.shell.setCaption(editorTitle(e.fileName));
    e.shell.setMenuChecked("edit small shape", true);
    e.shell.setMenuChecked("edit large shape", false);
    e.shell.setButtonDown("edit small shape", true);
    e.shell.setButtonDown("edit large shape", false);
    e.shell.setMenuChecked("display grid", true);
    for (int k = 0; k < 5; ++k) {
        e.shell.setMenuChecked(kGridKindItems[k], k == 0);
        e.shell.setButtonDown(kGridKindHints[k], k == 0);
    }
    e.shell.setMenuChecked("snap to grid", true);
    e.shell.setMenuChecked("snap lines' end", false);
    e.shell.setButtonDown("snap to grid", true);
    e.shell.setButtonDown("snap to points", false);
    e.shell.setButtonDown("move points", true);
    refreshEditorStatus(e);
}

}  // namespace rho
