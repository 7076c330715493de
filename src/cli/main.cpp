// ferrovane-cli: wiping files, folders and the free space of drives from the command line, with
// the engines and methods of the window. No window system is needed.

#include "cli/TCommandLine.h"

int main(int argc, char** argv) {
  return TCommandLine().Run(argc, argv);
}
