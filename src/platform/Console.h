#pragma once
// The standard streams of the running program as the terminal sees them.

#include <cstddef>

#include "platform/Result.h"

namespace platform {

enum class StandardStream { Output, Error };

// True when the stream is a terminal (not a file or a pipe).
bool isTerminal(StandardStream stream);
// The width of the terminal on the stream in columns; 0 when it is no terminal or does not say.
unsigned terminalColumns(StandardStream stream);

// Reads what standard input holds, at most `length` bytes, waiting until something comes; 0 at
// its end. The system's reason when it cannot be read.
Result<std::size_t> readStandardInput(char* buffer, std::size_t length);
// Whether standard input has ended (or failed) or holds bytes to read, asked without waiting:
// for a program whose input stays open, and silent, as long as it is to go on.
bool standardInputStirred();

}  // namespace platform
