#pragma once
// The set editor's commands: set files (new, open, save, save as, drop),
// shape switch, clearing, shape transfer, the two colour swatches and the
// close question.

#include <string>

#include "edit/MouseTool.h"

namespace rho {

struct SetEditor;

// set menu
void new1Click(SetEditor& e);
void open1Click(SetEditor& e);
void save1Click(SetEditor& e);
void saveas1Click(SetEditor& e);
// A file dropped on the window: the first file's extension and full path.
void Dropper1Drop(SetEditor& e, const std::string& extension, const std::string& path);

// edit menu and the two shape buttons
void editsmallshape1Click(SetEditor& e);
void editlargeshape1Click(SetEditor& e);
void clearsmallshape1Click(SetEditor& e);  // "clear current shape"
void clearlargeshape1Click(SetEditor& e);  // "clear all shapes"
void shapetransfer1Click(SetEditor& e);

// Colour swatches: the left button opens the colour dialog, the others copy
// the other swatch's colour. True when the swatch took a colour, even the
// one it had; false when the dialog was cancelled.
bool Shape1MouseDown(SetEditor& e, MouseButton button);  // line colour
bool Shape2MouseDown(SetEditor& e, MouseButton button);  // polygon colour

// Whether the window may close: asks "Do you want save current set?" when
// the set was modified; only No lets it close.
bool FormCloseQuery(SetEditor& e);
// The window closes: the working drawing goes into the set and the main
// window may open a new editor.
void FormClose(SetEditor& e);

}  // namespace rho
