#pragma once
// The conventions of paths and text files on this system, as constants. The build puts the
// folder of the selected backend's conventions on the include path.

namespace platform {

// The path separator.
inline constexpr char kSeparator = '/';
// The line break that new text files get.
inline constexpr const char* kLineBreak = "\n";

}  // namespace platform
