#include "app/QtModalUi.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "app/QtSurface.h"

namespace rho {

namespace {

std::optional<FileChoice> runFileDialog(QWidget* parent, const FileDialogRequest& request, bool saving) {
    QFileDialog dialog(parent, QString::fromStdString(request.title));
    const QStringList filters = QtModalUi::nameFilters(request.filter);
    dialog.setNameFilters(filters);
    // Each entry shows its description alone, as the caller wrote it ("penrose
    // tiling(*.rho)"); the pattern after it still chooses the files.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.initialFolder.empty()) dialog.setDirectory(QFile::decodeName(request.initialFolder.c_str()));
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QByteArray path = QFile::encodeName(dialog.selectedFiles().constFirst());
    FileChoice choice;
    choice.path.assign(path.constData(), static_cast<std::size_t>(path.size()));
    const auto index = filters.indexOf(dialog.selectedNameFilter());
    choice.filterIndex = index < 0 ? 1 : static_cast<int>(index) + 1;
    return choice;
}

}  // namespace

QStringList QtModalUi::nameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
    return filters;
}

Answer QtModalUi::messageBox(QWidget* parent, const std::string& text, Buttons buttons) {
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel) set = QMessageBox::Ok | QMessageBox::Cancel;
    if (asksYesNo(buttons)) set = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(QMessageBox::NoIcon, kMessageCaption, QString::fromStdString(text), set, parent);
    // Left to itself the box lets Escape and its close box press No, which
    // would throw away unsaved work; they press the answer that keeps it.
    const Answer keeps = buttons == Buttons::YesNo ? Answer::Yes : Answer::No;
    if (asksYesNo(buttons)) box.setEscapeButton(box.button(keeps == Answer::Yes ? QMessageBox::Yes : QMessageBox::No));
    box.exec();
    const QAbstractButton* pressed = box.clickedButton();
    if (pressed && pressed == box.button(QMessageBox::Yes)) return Answer::Yes;
    if (pressed && pressed == box.button(QMessageBox::No)) return Answer::No;
    if (pressed && pressed == box.button(QMessageBox::Cancel)) return Answer::Cancel;
    if (pressed && pressed == box.button(QMessageBox::Ok)) return Answer::Ok;
    // Closed without any button (rejected from outside): the safe answer.
    return asksYesNo(buttons) ? keeps : Answer::Ok;
}

std::optional<FileChoice> QtModalUi::openFileDialog(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, false);
}

std::optional<FileChoice> QtModalUi::saveFileDialog(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, true);
}

std::optional<Color> QtModalUi::colorDialog(QWidget* parent, Color initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid()) return std::nullopt;
    return fromQRgb(chosen.rgb());
}

int QtModalUi::execDialog(QDialog& dialog) { return dialog.exec(); }

}  // namespace rho
