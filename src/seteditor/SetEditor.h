#pragma once
// The set editor's state (the Qt-free half of the TForm4 window): the view
// and grid, the drawing tools, the working copy of the shown drawing and
// the file it belongs to. Commands and mouse handlers are free functions
// over this state, named after the window's handlers; they draw through
// the editor's own Shell and ask the main window's Shell to redraw when the
// committed set changes.

#include <cstdint>
#include <string>

#include "geometry/Primitives.h"
#include "seteditor/SetEditorHistory.h"
#include "tiling/Records.h"
#include "tiling/SetDesign.h"

namespace rho {

struct Tiling;
class Shell;

enum EditorTool : int32_t {
    kMovePoints = 0,
    kAddLine = 1,
    kAddPolyline = 2,
    kAddPolygon = 3,
    kDeletePoints = 4,
    kColorPicker = 5,
};

struct SetEditor {
    SetEditor(Tiling& tiling, Shell& editorShell, Shell& mainWindowShell)
        : t(tiling), shell(editorShell), mainShell(mainWindowShell) {}

    Tiling& t;
    Shell& shell;      // the editor window: drawing area, status bar, questions
    Shell& mainShell;  // the main window, redrawn when the committed set changes

    // View and grid.
    int32_t editLarge = 0;
    double viewScale = 0.0;
    int32_t displayGrid = 1;
    int32_t gridKind = 0;
    double gridUnit = 4.0;
    Point2 screenOutline[4];

    // Tools.
    int32_t editorTool = kMovePoints;
    bool snapToGrid = true;
    bool snapToPoints = false;
    Color currentLineColor = 0x000000;
    Color currentFillColor = 0xffffff;
    bool rubberBand = false;
    Point2 bandStart, bandEnd;  // pixels
    bool objectInProgress = false;
    bool dragging = false;
    bool pressAccepted = false;  // the last press of an adding tool started a rubber band
    int32_t pickedObject = 0;
    int32_t pickedPoint = 0;

    // The drawing being edited and its file.
    SetDrawing workingDrawing;
    std::string fileName = "untitled";
    bool modified = false;
    bool untitled = true;
    // Where "open..." starts: the folder of the sets that come with the
    // program; empty leaves the choice to the dialog.
    std::string setsFolder;
    // Undo and redo: one history per shape, indexed by editLarge.
    SetEditorHistory history[2];
    int lastGroup = 0;         // the group number given to the last step pair
    DrawingState dragBefore;   // the drawing as it was when the dragged point was picked
    std::string historyText;   // what the last undo or redo did, for the status bar
    // The set changed since the main view last showed it; the main view is
    // redrawn once a dragged point is let go, not at every move.
    bool mainViewStale = false;
};

// The SetDesign drawing of the shown shape.
SetDrawing& shownDrawing(SetEditor& e);

// Puts a new editor in its start state: the working copy loaded from the
// small drawing, title, check marks, buttons and status line set.
void startSetEditor(SetEditor& e);

// Copies the working drawing into the shown shape's drawing of the set and,
// when that changed what the tiling shows, redraws the main view.
void commitWorking(SetEditor& e);
// Copies the shown shape's drawing of the set into the working drawing.
void loadWorking(SetEditor& e);

// Drops an unfinished polyline or polygon and takes any rubber band off the
// screen bookkeeping; strokes return to copy mode.
void abandonPending(SetEditor& e);

// Status bar: "objects: %d", the current tool's text and what the last undo
// or redo did; the undo and redo items; then commits.
void refreshEditorStatus(SetEditor& e);
const char* editorToolText(int tool);

// "rho 2.0 - set editor - " followed by the file name.
std::string editorTitle(const std::string& fileName);
// "%d-%d-%d" of a colour's red, green and blue bytes.
std::string colorHint(Color c);

}  // namespace rho
