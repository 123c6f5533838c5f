#pragma once
// The real modal questions: Qt's message box (captioned "rho 2.0 "), file
// dialogs, colour dialog and QDialog::exec.

#include <QStringList>

#include "app/ModalUi.h"

namespace rho {

class QtModalUi : public ModalUi {
public:
    Answer messageBox(QWidget* parent, const std::string& text, Buttons buttons) override;
    std::optional<FileChoice> openFileDialog(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFileDialog(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<Color> colorDialog(QWidget* parent, Color initial) override;
    int execDialog(QDialog& dialog) override;

    // "description|pattern|description|pattern" as Qt's name filters,
    // "description (pattern)" each.
    static QStringList nameFilters(const std::string& filter);
};

}  // namespace rho
