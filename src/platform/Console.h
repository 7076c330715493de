#pragma once
// The standard streams of the running program as the terminal sees them.

namespace platform {

enum class StandardStream { Output, Error };

// True when the stream is a terminal (not a file or a pipe).
bool isTerminal(StandardStream stream);
// The width of the terminal on the stream in columns; 0 when it is no terminal or does not say.
unsigned terminalColumns(StandardStream stream);

}  // namespace platform
