// The editor: rho [FILE.rho]
#include "app/Startup.h"

int main(int argc, char** argv) { return rho::runEditor(argc, argv); }
