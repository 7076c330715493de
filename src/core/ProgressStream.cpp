#include "core/ProgressStream.h"

#include "platform/Result.h"

namespace {

std::string quoted(const std::string& bytes) {
  return "\"" + ProgressText(bytes) + "\"";
}

std::string failureObject(const TWipeFailure& failure) {
  std::string object = "{\"path\":" + quoted(failure.Path) +
                       ",\"reason\":" + std::to_string(static_cast<int>(failure.Reason));
  if (failure.Error) {
    const bool own = failure.Error.category() == platform::fileErrorCategory();
    object += std::string(own ? ",\"fileError\":" : ",\"errno\":") +
              std::to_string(failure.Error.value());
  }
  if (!failure.Detail.empty()) object += ",\"detail\":" + quoted(failure.Detail);
  return object + "}";
}

template <typename List, typename Item>
std::string array(const List& list, Item item) {
  std::string text = "[";
  for (const auto& entry : list) {
    if (text.size() > 1) text += ",";
    text += item(entry);
  }
  return text + "]";
}

}  // namespace

std::string ProgressText(const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char c : bytes) {
    if (c < 0x20 || c >= 0x7f || c == '%' || c == '"' || c == '\\') {
      text += '%';
      text += kHex[c >> 4];
      text += kHex[c & 15];
    } else {
      text += static_cast<char>(c);
    }
  }
  return text;
}

std::string ProgressEventLine(const TProgressEvent& event) {
  return "{\"phase\":\"progress\",\"path\":" + quoted(event.path) +
         ",\"pass\":" + std::to_string(event.pass) + ",\"passes\":" + std::to_string(event.passes) +
         ",\"done\":" + std::to_string(event.done) + ",\"total\":" + std::to_string(event.total) +
         "}";
}

std::string ProgressOutcomeLine(const TRunOutcome& outcome) {
  return std::string("{\"phase\":\"outcome\",\"aborted\":") + (outcome.aborted ? "true" : "false") +
         ",\"jobs\":" + std::to_string(outcome.jobs) +
         ",\"stoppedIn\":" + quoted(outcome.stoppedIn) +
         ",\"notReached\":" + array(outcome.notReached, quoted) +
         ",\"failures\":" + array(outcome.failures, failureObject) +
         ",\"notes\":" + array(outcome.notes, failureObject) + "}";
}
