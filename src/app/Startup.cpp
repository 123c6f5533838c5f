#include "app/Startup.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QToolTip>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>

#include "app/FileSizeSignal.h"
#include "app/Glyphs.h"
#include "app/MainWindow.h"
#include "app/QtModalUi.h"
#include "app/Screenshot.h"
#include "app/Version.h"
#include "app/ViewWidget.h"
#include "io/AtomicFile.h"
#include "io/WindowCommands.h"

namespace rho {

bool writePng(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return false;
    AtomicFile file;
    if (!file.open(path)) return false;
    if (!file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) return false;
    return file.commit();
}

namespace {

const char kHelp[] =
    "Usage: rho [FILE.rho]\n"
    "  or:  rho --write-icon FILE.png [SIZE]\n"
    "  or:  rho --help | --version\n"
    "Edit Penrose rhomb tilings: attach thick and thin rhombs to the free\n"
    "boundary of a tiling by hand or generate a round patch, colour, order and\n"
    "decorate the shapes, design the decorations in the set editor, save the\n"
    "tiling as a .rho file and print it.\n"
    "\n"
    "With FILE.rho the editor starts with that tiling open, as if chosen with\n"
    "\"open...\"; without it, with an empty tiling named \"untitled\".\n"
    "\n"
    "Options:\n"
    "      --write-icon FILE.png [SIZE]\n"
    "                   draw the application icon, SIZE pixels square (1 to\n"
    "                   4096, default 256), into the PNG file FILE.png, and end\n"
    "  -h, --help       show this text and end\n"
    "  -V, --version    print the version and end\n"
    "\n"
    "Examples:\n"
    "  $ rho patch.rho\n"
    "  $ rho --write-icon rho.png 48\n";

// --help and --version are answered before Qt starts, so that they need no
// display. Returns true when the argument was one of them.
bool answerInformationOption(int argc, char** argv) {
    if (argc != 2) return false;
    const char* option = argv[1];
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
        std::fputs(kHelp, stdout);
        return true;
    }
    if (std::strcmp(option, "--version") == 0 || std::strcmp(option, "-V") == 0) {
        std::printf("rho %s\n", kRhoVersion);
        return true;
    }
    return false;
}

std::string localPath(const QString& argument) {
    const QByteArray name = QFile::encodeName(argument);
    return std::string(name.constData(), static_cast<std::size_t>(name.size()));
}

int writeIcon(const QStringList& args) {
    const int size = args.size() > 3 ? args[3].toInt() : 256;
    if (args.size() < 3 || size <= 0 || size > 4096) {
        std::fprintf(stderr, "usage: rho --write-icon FILE.png [SIZE]\n");
        return 2;
    }
    if (!writePng(applicationIcon(size), localPath(args[2]))) {
        std::fprintf(stderr, "rho: cannot write %s\n", localPath(args[2]).c_str());
        return 1;
    }
    return 0;
}

void reportFirstPaint(TForm1& window) {
    window.view().onPainted = [&window] {
        window.view().onPainted = nullptr;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first paint %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::printf("caption %s\n", window.windowTitle().toLocal8Bit().constData());
        std::printf("%s\n", window.statusPanel(0)->text().toLocal8Bit().constData());
        std::fflush(stdout);
        QApplication::exit(0);
    };
}

}  // namespace

void prepareWindow(TForm1& window, const QStringList& args) {
    // Ends the event loop and nothing else: the window has already closed
    // the set editor, and asking the other windows to close again would
    // repeat their questions.
    window.onClosed = [] { QCoreApplication::exit(0); };
    if (args.size() > 1) openStartupFile(window.tiling(), window.shell(), localPath(args[1]));
}

namespace {

int runWindow(QApplication& app) {
    // Tool-tip hints on the button-face colour.
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QApplication::palette().color(QPalette::Button));
    QToolTip::setPalette(tips);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(applicationIcon(64))));

    QtModalUi ui;
    TForm1 window(ui);
    prepareWindow(window, QApplication::arguments());
    if (qEnvironmentVariableIsSet("RHO_FIRST_PAINT_EXIT")) reportFirstPaint(window);
    window.show();
    return app.exec();
}

}  // namespace

int runEditor(int argc, char** argv) {
    // A save past the file-size limit fails and is reported instead of
    // ending the editor with the user's work.
    ignoreFileSizeSignal();
    if (answerInformationOption(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName("rho 2.0");
    const QStringList args = QApplication::arguments();
    if (args.size() > 1 && args[1] == "--write-icon") return writeIcon(args);
    if (args.size() > 1 && args[1] == "--screenshot") return writeScreenshot(args);
    try {
        runWindow(app);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, "rho 2.0", QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}

}  // namespace rho
