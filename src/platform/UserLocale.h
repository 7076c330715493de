#pragma once
// The locale the user chose, as named in the environment. The program reads only the name: the
// C library may have no data for it installed, and numbers written for other programs stay in
// the C form whatever it is.

#include <string>

namespace platform {

// The name of the locale for numbers ("de_DE.UTF-8"): LC_ALL, else LC_NUMERIC, else LANG, the
// first that is set and not empty; empty when none is.
std::string numbersLocaleName();

}  // namespace platform
