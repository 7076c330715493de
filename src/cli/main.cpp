// ferrovane-cli: wiping files, folders and the free space of drives from the command line, with
// the engines and methods of the window. No window system is needed.

#include "cli/TCommandLine.h"
#include "platform/MessageCatalogue.h"

int main(int argc, char** argv) {
  // The messages and --help in the user's language; the C locale keeps them in English.
  platform::useMessageCatalogue();
  return TCommandLine().Run(argc, argv);
}
