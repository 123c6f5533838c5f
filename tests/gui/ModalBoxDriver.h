#pragma once
// Answers the real modal message boxes a test makes the program show, from
// inside their own event loop, as a user would: each box met gets the next
// action of the queue (a key, a click, its close box). Any other modal
// window (a file dialog the question should have prevented) is recorded
// and rejected, so that a test never blocks.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace rho::test {

class ModalBoxDriver {
public:
    using Action = std::function<void(QMessageBox&)>;

    std::deque<Action> actions;
    // The texts of the boxes met, and "dialog <title>" for other modal windows.
    std::vector<std::string> seen;

    ModalBoxDriver() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    // Takes and forgets what was seen so far.
    std::vector<std::string> take() { return std::exchange(seen, {}); }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (modal == handled_) {
            // Still open a second after its action: the action did not
            // answer it.
            if (++waited_ == 200) {
                seen.push_back("still open");
                QMetaObject::invokeMethod(modal, "reject");
            }
            return;
        }
        handled_ = modal;
        waited_ = 0;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            seen.push_back("dialog " + modal->windowTitle().toStdString());
            QMetaObject::invokeMethod(modal, "reject");
            return;
        }
        seen.push_back(box->text().toStdString());
        if (actions.empty()) {
            box->reject();
            return;
        }
        Action act = std::move(actions.front());
        actions.pop_front();
        act(*box);
    }

    QTimer timer_;
    QPointer<QWidget> handled_;
    int waited_ = 0;
};

}  // namespace rho::test
