#include "app/FileSizeSignal.h"

#include <csignal>

namespace rho {

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace rho
