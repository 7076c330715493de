#pragma once
// readme.txt of the shipped files (beside the program, or of the install), as the windows show
// it: the About page, and the readme window that Help opens when no browser can be started.

#include <QString>
#include <optional>

// The readme's text with its line breaks made "\n"; none when there is no readable readme.
std::optional<QString> ReadmeText();
