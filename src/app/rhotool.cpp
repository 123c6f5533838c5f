// rhotool: generate, inspect, check, extend and export tilings without a window.
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/FileSizeSignal.h"
#include "app/RhoTool.h"

namespace {

// Qt's notes about the desktop session (no runtime directory and the like)
// mean nothing to a command-line tool; everything else is passed on.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::cerr << message.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    rho::ignoreFileSizeSignal();
    qInstallMessageHandler(quietHandler);
    std::vector<std::string> args(argv + 1, argv + argc);
    // Pixels are drawn offscreen and no window is ever opened, so the tool
    // always takes the offscreen platform, whatever the environment names:
    // a desktop platform without a display would abort the start.
    std::unique_ptr<QGuiApplication> app;
    if (!args.empty() && args[0] == "export") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return rho::runRhoTool(args, std::cout, std::cerr);
}
