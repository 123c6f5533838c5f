#pragma once
// Runs a test's answer to the modal window it is about to open, from inside
// that window's event loop. The call belongs to this object: when the window
// never opens, the answer is dropped as the test's scope ends instead of
// running in a later test on the locals it captured.

#include <QTimer>
#include <functional>
#include <utility>

namespace rho::test {

class OnNextModal {
public:
    explicit OnNextModal(std::function<void()> answer) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, std::move(answer));
        timer_.start(0);
    }

private:
    QTimer timer_;
};

}  // namespace rho::test
