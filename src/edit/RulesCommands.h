#pragma once
// The rules menu: orienting, checking and forcing shapes by the matching
// rules, deflation and composition, and the "keep matching rules" switch
// that placement reads. Each command announces itself in the status line,
// works, and ends with its outcome there (check: in a message box).

#include <string>

namespace rho {

struct Tiling;
class Shell;

// rules > "orient shapes": turns shapes by 180 degrees so that as few
// shared edges as possible carry conflicting arrows. Status text ends as
// "turned: T, arrow conflicts: C".
void orientshapes1Click(Tiling& t, Shell& shell);

// rules > "check matching rules": selects exactly the shapes on a
// conflicting edge, at an illegal vertex or at a dead end (any earlier
// selection is cleared), redraws and shows the three counts in a box.
void checkmatchingrules1Click(Tiling& t, Shell& shell);

// rules > "fill forced shapes": adds every forced shape. Status text ends
// as "forced shapes: N, dead ends: D".
void fillforcedshapes1Click(Tiling& t, Shell& shell);

// rules > "deflate" and "compose": the tiling replaced by its deflation or
// composition; a refusal is shown in a box and changes nothing.
void deflate1Click(Tiling& t, Shell& shell);
void compose1Click(Tiling& t, Shell& shell);

// rules > "keep matching rules": flips the switch and its check mark.
void keepmatchingrules1Click(Tiling& t, Shell& shell);

// The status text while a command of the rules menu works.
inline constexpr const char* kOrientingText = "orienting shapes";
inline constexpr const char* kCheckingText = "checking matching rules";
inline constexpr const char* kForcingText = "filling forced shapes";
inline constexpr const char* kDeflatingText = "deflating shapes";
inline constexpr const char* kComposingText = "composing shapes";

// The text of the check's message box.
std::string ruleCountsText(int arrowConflicts, int illegalVertices, int deadEnds);

}  // namespace rho
