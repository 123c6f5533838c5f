#pragma once
// Every modal question of the GUI layer in one place: message boxes, file
// and colour dialogs, and the program's own dialogs. The real version shows
// Qt's dialogs; tests install a scripted one, so that nothing ever blocks.

#include <optional>
#include <string>

#include "tiling/Shell.h"

class QDialog;
class QWidget;

namespace rho {

class ModalUi {
public:
    virtual ~ModalUi() = default;
    // A message box captioned kMessageCaption with the given buttons.
    virtual Answer messageBox(QWidget* parent, const std::string& text, Buttons buttons) = 0;
    virtual std::optional<FileChoice> openFileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> saveFileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<Color> colorDialog(QWidget* parent, Color initial) = 0;
    // Runs one of the program's dialogs (or Qt's print dialog) modally and
    // returns what QDialog::exec returns.
    virtual int execDialog(QDialog& dialog) = 0;
};

}  // namespace rho
