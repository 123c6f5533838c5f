#pragma once
// The set editor's view: the mapping between the rhomb's model frame and
// the drawing area (the rhomb turned by 90 degrees and scaled to fill the
// area), the complete redraw, the five dot grids and the grid commands.

#include <vector>

#include "geometry/Primitives.h"

namespace rho {

struct SetEditor;

// Model point to drawing-area pixel, untruncated: (W/2 - s*y, H/2 + s*x).
Point2 modelToPixel(const SetEditor& e, Point2 model);
// Pixel to model point: ((py - H/2) / s, (W/2 - px) / s).
Point2 pixelToModel(const SetEditor& e, Point2 pixel);

// The lattice points of the current grid kind in pixels, untruncated, with
// i in the outer and j in the inner loop, both ascending over
// trunc(-2u) .. floor(2u). Uses the outline of the last redraw.
std::vector<Point2> gridLattice(const SetEditor& e);

// Recomputes the outline of the shown shape in pixels.
void updateScreenOutline(SetEditor& e);

// viewScale from the drawing area (the smaller of W / 80 and H / 70), then a redraw.
void FormResize(SetEditor& e);
// Background, rhomb face, grid, objects 0 .. count-1, then the status refresh.
void FormPaint(SetEditor& e);

// The rubber band from bandStart to bandEnd in black inverting strokes;
// drawing it twice leaves the pixels as they were. Strokes stay inverting.
void drawRubberBand(SetEditor& e);

// Grid unit: the buttons step by 2, the menu items by 1 the other way round.
void gridUnitSmallerButtonClick(SetEditor& e);  // "set grid unit to smaller"
void gridUnitLargerButtonClick(SetEditor& e);   // "set grid unit to larger"
void smaller1Click(SetEditor& e);
void larger1Click(SetEditor& e);
void displaygrid1Click(SetEditor& e);

// Grid kind 0..4 from its button; the menu items below do the same.
void gridKindButtonClick(SetEditor& e, int kind);
void orthogonal1Click(SetEditor& e);
void left1Click(SetEditor& e);
void right1Click(SetEditor& e);
void up1Click(SetEditor& e);
void down1Click(SetEditor& e);

// Button hint and menu caption of each grid kind.
extern const char* const kGridKindHints[5];
extern const char* const kGridKindItems[5];

}  // namespace rho
