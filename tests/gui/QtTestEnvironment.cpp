// Creates one QApplication for every GUI test (offscreen platform), and
// checks after each test that it left nothing behind for the next one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "rho_gui_tests";
            static char* argv[] = {name, nullptr};
            app_ = new QApplication(argc, argv);
        }
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// All the GUI tests share one application. A test that leaves a window open,
// or asks the application to quit while no loop of its runs (from then on
// every exec(), and with it every modal box, returns at once), fails here
// rather than some later test failing for it.
class LeftBehindCheck : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo&) override {
        if (!QApplication::instance()) return;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&loop] { loop.exit(1); });
        if (loop.exec() != 1) ADD_FAILURE() << "event loops return at once: QCoreApplication::exit() ran with no loop";
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                ADD_FAILURE() << "left open: " << w->metaObject()->className() << " \""
                              << w->windowTitle().toStdString() << '"';
    }
};

const bool kChecked = (::testing::UnitTest::GetInstance()->listeners().Append(new LeftBehindCheck), true);

}  // namespace
