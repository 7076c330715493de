#include "cli/TCliOutput.h"

#include "platform/Console.h"

namespace {

constexpr char kProgram[] = "ferrovane-cli: ";

}  // namespace

std::string TerminalSafe(const std::string& text) {
  std::string safe = text;
  for (char& c : safe) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = '?';
  }
  return safe;
}

TCliOutput::TCliOutput(bool quiet, bool verbose)
    : TCliOutput(quiet, verbose, stdout, platform::isTerminal(platform::StandardStream::Output),
                 stderr, platform::isTerminal(platform::StandardStream::Error)) {}

TCliOutput::TCliOutput(bool quiet, bool verbose, std::FILE* out, bool outTerminal, std::FILE* err,
                       bool errTerminal)
    : quiet_(quiet),
      verbose_(verbose),
      out_(out),
      outTerminal_(outTerminal),
      err_(err),
      errTerminal_(errTerminal) {}

TCliOutput::~TCliOutput() {
  ClearProgress();
  std::fflush(out_);
}

unsigned TCliOutput::Columns() const {
  const unsigned columns = platform::terminalColumns(platform::StandardStream::Error);
  return columns > 0 ? columns : 80;
}

void TCliOutput::writeLine(std::FILE* stream, bool terminal, const std::string& line) {
  const std::string text = (terminal ? TerminalSafe(line) : line) + "\n";
  std::fwrite(text.data(), 1, text.size(), stream);
}

void TCliOutput::Result(const std::string& line) {
  if (outTerminal_) ClearProgress();
  writeLine(out_, outTerminal_, line);
  if (outTerminal_) std::fflush(out_);
}

void TCliOutput::JsonLine(const std::string& line) {
  const std::string text = line + "\n";
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fflush(out_);
}

void TCliOutput::Detail(const std::string& line) {
  if (!verbose_) return;
  ClearProgress();
  writeLine(err_, errTerminal_, line);
}

void TCliOutput::Problem(const std::string& line) {
  ClearProgress();
  writeLine(err_, errTerminal_, kProgram + line);
}

void TCliOutput::Progress(const std::string& line) {
  if (!ShowsProgress()) return;
  // Back to the start of the line, the new text, and the rest of the old one erased.
  const std::string text = "\r" + TerminalSafe(line) + "\x1b[K";
  std::fwrite(text.data(), 1, text.size(), err_);
  std::fflush(err_);
  progressShown_ = true;
}

void TCliOutput::ClearProgress() {
  if (!progressShown_) return;
  std::fputs("\r\x1b[K", err_);
  std::fflush(err_);
  progressShown_ = false;
}
