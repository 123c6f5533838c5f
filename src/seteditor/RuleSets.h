#pragma once
// Two decoration sets that make the matching rules of the rhomb tiling
// visible, computed from the shape templates: the matching arcs (two
// circular arcs per shape, in two colours, over a light rhomb) and the
// Ammann bars (five straight segments per shape). On a tiling whose shapes
// agree on every shared edge the arcs join into smooth curves and the bars
// into straight lines.

#include "tiling/Records.h"
#include "tiling/SetDesign.h"

namespace rho {

// The file names under which the sets are shipped.
inline constexpr const char* kMatchingArcsFileName = "matching-arcs.rhs";
inline constexpr const char* kAmmannBarsFileName = "ammann-bars.rhs";

// Colours, 0x00BBGGRR.
inline constexpr Color kArcColorA = 0x002020d0;   // red: the arcs around large corner 0 and small corner 1
inline constexpr Color kArcColorB = 0x00c04818;   // blue: the arcs around large corner 2 and small corner 3
inline constexpr Color kLargeFill = 0x00c8ecff;   // light orange
inline constexpr Color kSmallFill = 0x00ffecd2;   // light blue
inline constexpr Color kRhombEdge = 0x00909090;   // grey
inline constexpr Color kBarColor = 0x00203090;    // dark red

// Points per arc: the most an object holds.
inline constexpr int kArcPoints = kSetObjectPoints;

// Each drawing: object 0 the rhomb (polygon through corners 0..3, light
// fill, grey edge), object 1 the arc of colour A, object 2 the arc of
// colour B. An arc is a polyline from one edge of its corner to the other,
// centred on the corner, meeting both edges at right angles:
//   large: A around corner 0, radius 80/phi^2; B around corner 2, radius 40/phi^3
//   small: A around corner 1, radius 40/phi^3; B around corner 3, radius 40/phi^3
SetDesign matchingArcsSet();

// Each drawing: five lines whose ends lie on the rhomb's edges.
SetDesign ammannBarsSet();

}  // namespace rho
