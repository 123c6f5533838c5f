#pragma once
// The editor's entry: application title, the main window, a tiling named
// on the command line, the event loop.
//   rho --help, rho --version          print the help or the version and end
//                                      without starting Qt
//   rho --write-icon FILE.png [SIZE]   writes the application icon and ends
//
// Hidden aids for maintainers, not for users:
//   rho --screenshot FILE.png [RADIUS] writes the README's picture of the
//                                      editor at work (app/Screenshot.h)
//                                      and ends
//   RHO_FIRST_PAINT_EXIT=1 rho [FILE]  prints "first paint <microseconds
//                                      since the epoch>" after the view's
//                                      first paint, then "caption <the
//                                      window caption>" and the first status
//                                      panel, and ends

#include <QStringList>
#include <string>

class QImage;

namespace rho {

class TForm1;

int runEditor(int argc, char** argv);

// Readies the main window for a run: closing it ends the event loop, and
// the tiling named by the first argument after the program's name is
// opened.
void prepareWindow(TForm1& window, const QStringList& args);

// Writes `image` as a PNG file, all or nothing.
bool writePng(const QImage& image, const std::string& path);

}  // namespace rho
