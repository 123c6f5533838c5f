#include "seteditor/EditorCommands.h"

#include <utility>

#include "render/Renderer.h"
#include "seteditor/EditorUndo.h"
#include "seteditor/EditorView.h"
#include "seteditor/SetEditor.h"
#include "seteditor/SetFile.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// True when the user may go on: nothing unsaved, or No to the question.
bool mayDiscard(SetEditor& e) {
    return !e.modified || e.shell.messageBox("Do you want save current set?", Buttons::YesNo) == Answer::No;
}

// The main view shows the set's decoration; it is redrawn when a command
// changed the set behind the working drawing.
void setChanged(SetEditor& e) { redrawView(e.t, e.mainShell); }

void takeFile(SetEditor& e, const std::string& path) {
    e.fileName = path;
    e.shell.setCaption(editorTitle(e.fileName));
    e.untitled = false;
    e.modified = false;
}

void openPath(SetEditor& e, const std::string& path) {
    if (!readSet(e.t.set, path, e.shell)) return;
    abandonPending(e);
    e.dragging = false;
    loadWorking(e);
    takeFile(e, path);
    freshHistories(e);
    FormPaint(e);
    setChanged(e);
}

bool somethingToSave(SetEditor& e) {
    commitWorking(e);
    if (e.t.set.small.count > 0 && e.t.set.large.count > 0) return true;
    e.shell.messageBox("Nothing to save.", Buttons::Ok);
    return false;
}

void saveUnderNewName(SetEditor& e) {
    FileDialogRequest request;
    request.title = "save set as";
    request.defaultExt = "rhs";
    request.filter = "penrose set (*.rhs)|*rhs";
    request.confirmOverwrite = true;
    const auto choice = e.shell.saveFileDialog(request);
    if (!choice) return;
    // The name is taken only once the set is in the file, so that the
    // title and a later "save..." keep naming the file that holds the set.
    if (!writeSet(e.t.set, choice->path, e.shell)) {
        e.shell.messageBox("Error writing file", Buttons::Ok);
        return;
    }
    takeFile(e, choice->path);
    markSetSaved(e);
}

void switchShape(SetEditor& e, int large) {
    if (e.editLarge == large) return;
    finishDrag(e);
    commitWorking(e);
    e.editLarge = large;
    e.shell.setMenuChecked("edit small shape", large == 0);
    e.shell.setMenuChecked("edit large shape", large == 1);
    e.shell.setButtonDown("edit small shape", large == 0);
    e.shell.setButtonDown("edit large shape", large == 1);
    loadWorking(e);
    abandonPending(e);
    e.historyText.clear();  // it told of the other shape's history
    FormPaint(e);           // the shown shape's history drives the undo items from here on
}

// Width (V2.x - V0.x) and height (V3.y - V0.y) of a rhomb template.
void templateSize(const ShapeTemplate& tpl, double& w, double& h) {
    w = tpl.corners[2].x - tpl.corners[0].x;
    h = tpl.corners[3].y - tpl.corners[0].y;
}

}  // namespace

void new1Click(SetEditor& e) {
    if (!mayDiscard(e)) return;
    e.fileName = "untitled";
    e.shell.setCaption(editorTitle(e.fileName));
    e.modified = false;
    e.untitled = true;
    abandonPending(e);
    e.dragging = false;
    e.workingDrawing.count = 0;
    e.t.set.small.count = 0;
    e.t.set.large.count = 0;
    freshHistories(e);
    FormPaint(e);
    setChanged(e);
}

void open1Click(SetEditor& e) {
    if (!mayDiscard(e)) return;
    FileDialogRequest request;
    request.title = "open file";
    request.defaultExt = "rhs";
    request.filter = "penrose tiling(*.rhs)|*.rhs";
    request.mustExist = true;
    request.initialFolder = e.setsFolder;
    const auto choice = e.shell.openFileDialog(request);
    if (!choice) return;
    openPath(e, choice->path);
}

void save1Click(SetEditor& e) {
    if (!somethingToSave(e)) return;
    if (e.untitled) {
        saveUnderNewName(e);
        return;
    }
    if (writeSet(e.t.set, e.fileName, e.shell))
        markSetSaved(e);
    else
        e.shell.messageBox("Error writing file", Buttons::Ok);
}

void saveas1Click(SetEditor& e) {
    if (somethingToSave(e)) saveUnderNewName(e);
}

void Dropper1Drop(SetEditor& e, const std::string& extension, const std::string& path) {
    if (extension != "rhs") return;
    if (!mayDiscard(e)) return;
    openPath(e, path);
}

void editsmallshape1Click(SetEditor& e) { switchShape(e, 0); }
void editlargeshape1Click(SetEditor& e) { switchShape(e, 1); }

void clearsmallshape1Click(SetEditor& e) {
    if (e.shell.messageBox("Do you really want clear this shape?", Buttons::YesNoSafeNo) != Answer::Yes) return;
    abandonPending(e);
    DrawingState before = DrawingState::of(e.workingDrawing);
    e.workingDrawing.count = 0;
    recordEdit(e, e.editLarge, "clear current shape", std::move(before));
    FormPaint(e);
}

void clearlargeshape1Click(SetEditor& e) {
    if (e.shell.messageBox("Do you really want clear all?", Buttons::YesNoSafeNo) != Answer::Yes) return;
    abandonPending(e);
    // One step in each drawing's history, undone and redone together.
    const int shown = e.editLarge;
    const int other = 1 - shown;
    DrawingState shownBefore = DrawingState::of(e.workingDrawing);
    DrawingState otherBefore = DrawingState::of(drawingOf(e, other));
    e.workingDrawing.count = 0;
    e.t.set.small.count = 0;
    e.t.set.large.count = 0;
    const int group = ++e.lastGroup;
    recordEdit(e, shown, "clear all shapes", std::move(shownBefore), group);
    recordEdit(e, other, "clear all shapes", std::move(otherBefore), group);
    FormPaint(e);
    setChanged(e);
}

void shapetransfer1Click(SetEditor& e) {
    const ShapeTemplate& source = e.editLarge ? e.t.largeTemplate : e.t.smallTemplate;
    const ShapeTemplate& target = e.editLarge ? e.t.smallTemplate : e.t.largeTemplate;
    double ws, hs, wt, ht;
    templateSize(source, ws, hs);
    templateSize(target, wt, ht);
    const double kx = wt / ws;
    const double k1 = hs / ws;
    const double k2 = ht / wt;

    const int other = 1 - e.editLarge;
    SetDrawing& out = drawingOf(e, other);
    const SetDrawing& in = e.workingDrawing;
    DrawingState before = DrawingState::of(out);
    for (int k = 0; k < in.count; ++k) {
        const SetObject& o = in.objects[k];
        SetObject& m = out.objects[k];
        m.objectKind = o.objectKind;
        m.lastPoint = o.lastPoint;
        m.lineColor = o.lineColor;
        m.fillColor = o.fillColor;
        for (int p = 0; p <= o.lastPoint; ++p) {
            const double x = o.points[p].x;
            const double y = o.points[p].y;
            const double x2 = x * kx;
            m.points[p] = {x2, (y - x * k1) + x2 * k2};
        }
    }
    out.count = in.count;
    // The step belongs to the drawing it changed: undone once that shape is shown.
    recordEdit(e, other, "shape transfer", std::move(before));
    setChanged(e);
}

bool Shape1MouseDown(SetEditor& e, MouseButton button) {
    if (button != MouseButton::Left) {
        e.currentLineColor = e.currentFillColor;
        return true;
    }
    const auto c = e.shell.colorDialog(e.currentLineColor);
    if (c) e.currentLineColor = *c;
    return c.has_value();
}

bool Shape2MouseDown(SetEditor& e, MouseButton button) {
    if (button != MouseButton::Left) {
        e.currentFillColor = e.currentLineColor;
        return true;
    }
    const auto c = e.shell.colorDialog(e.currentFillColor);
    if (c) e.currentFillColor = *c;
    return c.has_value();
}

bool FormCloseQuery(SetEditor& e) { return mayDiscard(e); }

void FormClose(SetEditor& e) {
    abandonPending(e);
    e.dragging = false;
    commitWorking(e);
    e.t.editorOpen = 0;
}

}  // namespace rho
