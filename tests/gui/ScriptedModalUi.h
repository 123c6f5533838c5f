#pragma once
// A ModalUi for tests: every modal question is answered from a queue filled
// by the test, and recorded, so that no test ever blocks on a dialog. An
// empty queue answers a message box with its first button and cancels
// every dialog.

#include <QDialog>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ModalUi.h"

namespace rho::test {

class ScriptedModalUi : public ModalUi {
public:
    std::deque<Answer> answers;
    std::deque<std::optional<FileChoice>> openChoices;
    std::deque<std::optional<FileChoice>> saveChoices;
    std::deque<std::optional<Color>> colorChoices;
    // Each entry acts on the dialog as a user would (fills fields, presses
    // buttons) and returns what exec would return.
    std::deque<std::function<int(QDialog&)>> dialogActions;

    std::vector<std::string> messages;           // texts shown, in order
    std::vector<FileDialogRequest> fileRequests;  // open and save dialogs asked for
    std::vector<std::string> dialogTitles;       // window titles of the dialogs run

    Answer messageBox(QWidget*, const std::string& text, Buttons buttons) override {
        messages.push_back(text);
        if (!answers.empty()) return pop(answers);
        return asksYesNo(buttons) ? Answer::Yes : Answer::Ok;
    }
    std::optional<FileChoice> openFileDialog(QWidget*, const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return openChoices.empty() ? std::nullopt : pop(openChoices);
    }
    std::optional<FileChoice> saveFileDialog(QWidget*, const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return saveChoices.empty() ? std::nullopt : pop(saveChoices);
    }
    std::optional<Color> colorDialog(QWidget*, Color) override {
        return colorChoices.empty() ? std::nullopt : pop(colorChoices);
    }
    int execDialog(QDialog& dialog) override {
        dialogTitles.push_back(dialog.windowTitle().toStdString());
        if (dialogActions.empty()) return QDialog::Rejected;
        return pop(dialogActions)(dialog);
    }

private:
    template <class T>
    static T pop(std::deque<T>& queue) {
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace rho::test
