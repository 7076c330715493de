#include "core/ProgressStream.h"

#include <limits>

#include "platform/Result.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool escapedInText(unsigned char c) {
  return c < 0x20 || c >= 0x7f || c == '%' || c == '"' || c == '\\';
}

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
  if (!failure.FreeSpaceRoot.empty())
    object += ",\"freeSpaceRoot\":" + quoted(failure.FreeSpaceRoot);
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

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // the writer writes capitals only
}

// Reads a line from its start to its end, taking exactly the form the writer gives each field.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : rest_(line) {}

  bool ended() const { return rest_.empty(); }
  // Takes the text when the line goes on with it.
  bool take(std::string_view text) {
    if (rest_.substr(0, text.size()) != text) return false;
    rest_.remove_prefix(text.size());
    return true;
  }
  // A decimal as std::to_string writes it for a number from 0 up: digits only, no leading zero,
  // no sign, and no more than `most`.
  std::optional<std::uint64_t> count(
      std::uint64_t most = std::numeric_limits<std::uint64_t>::max()) {
    std::size_t digits = 0;
    std::uint64_t value = 0;
    while (digits < rest_.size() && rest_[digits] >= '0' && rest_[digits] <= '9') {
      const auto digit = static_cast<std::uint64_t>(rest_[digits] - '0');
      if (value > (most - digit) / 10) return std::nullopt;
      value = value * 10 + digit;
      ++digits;
    }
    if (digits == 0 || (digits > 1 && rest_[0] == '0')) return std::nullopt;
    rest_.remove_prefix(digits);
    return value;
  }
  std::optional<int> number() {
    const auto value = count(std::numeric_limits<int>::max());
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
  }
  std::optional<bool> boolean() {
    if (take("true")) return true;
    if (take("false")) return false;
    return std::nullopt;
  }
  // A quoted text back to its bytes; an escape the writer would not have written (of a byte it
  // writes as it is, or in small letters) is refused.
  std::optional<std::string> text() {
    if (!take("\"")) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < rest_.size(); ++i) {
      const auto c = static_cast<unsigned char>(rest_[i]);
      if (c == '"') {
        rest_.remove_prefix(i + 1);
        return bytes;
      }
      if (c != '%') {
        if (escapedInText(c)) return std::nullopt;
        bytes += static_cast<char>(c);
        continue;
      }
      if (i + 2 >= rest_.size()) return std::nullopt;
      const int high = hexDigit(rest_[i + 1]);
      const int low = hexDigit(rest_[i + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      const auto byte = static_cast<unsigned char>(high * 16 + low);
      if (!escapedInText(byte)) return std::nullopt;
      bytes += static_cast<char>(byte);
      i += 2;
    }
    return std::nullopt;  // never closed
  }
  // "[...]" of items read by `item`, separated by commas.
  template <typename T, typename Item>
  std::optional<std::vector<T>> list(Item item) {
    if (!take("[")) return std::nullopt;
    std::vector<T> items;
    if (take("]")) return items;
    do {
      auto entry = item(*this);
      if (!entry) return std::nullopt;
      items.push_back(std::move(*entry));
    } while (take(","));
    if (!take("]")) return std::nullopt;
    return items;
  }

 private:
  std::string_view rest_;
};

std::optional<std::string> textOf(LineReader& reader) {
  return reader.text();
}

std::optional<TWipeFailure> failureOf(LineReader& reader) {
  if (!reader.take("{\"path\":")) return std::nullopt;
  auto path = reader.text();
  if (!path || !reader.take(",\"reason\":")) return std::nullopt;
  const auto reason = reader.number();
  if (!reason || !IsWipeFailureReason(*reason)) return std::nullopt;
  TWipeFailure failure{std::move(*path), static_cast<TWipeFailureReason>(*reason)};
  if (reader.take(",\"errno\":")) {
    const auto value = reader.number();
    if (!value || *value == 0) return std::nullopt;
    failure.Error = std::error_code(*value, std::generic_category());
  } else if (reader.take(",\"fileError\":")) {
    const auto value = reader.number();
    if (!value || *value == 0) return std::nullopt;
    failure.Error = std::error_code(*value, platform::fileErrorCategory());
  }
  if (reader.take(",\"detail\":")) {
    auto detail = reader.text();
    if (!detail || detail->empty()) return std::nullopt;
    failure.Detail = std::move(*detail);
  }
  if (reader.take(",\"freeSpaceRoot\":")) {
    auto root = reader.text();
    if (!root || root->empty()) return std::nullopt;
    failure.FreeSpaceRoot = std::move(*root);
  }
  if (!reader.take("}")) return std::nullopt;
  return failure;
}

std::optional<TProgressEvent> progressOf(LineReader& reader) {
  TProgressEvent event;
  auto path = reader.text();
  if (!path || !reader.take(",\"pass\":")) return std::nullopt;
  const auto pass = reader.number();
  if (!pass || !reader.take(",\"passes\":")) return std::nullopt;
  const auto passes = reader.number();
  if (!passes || !reader.take(",\"done\":")) return std::nullopt;
  const auto done = reader.count();
  if (!done || !reader.take(",\"total\":")) return std::nullopt;
  const auto total = reader.count();
  if (!total || !reader.take("}")) return std::nullopt;
  return TProgressEvent{std::move(*path), *pass, *passes, *done, *total};
}

std::optional<TRunOutcome> outcomeOf(LineReader& reader) {
  TRunOutcome outcome;
  const auto aborted = reader.boolean();
  if (!aborted || !reader.take(",\"jobs\":")) return std::nullopt;
  const auto jobs = reader.count(std::numeric_limits<std::size_t>::max());
  if (!jobs || !reader.take(",\"stoppedIn\":")) return std::nullopt;
  auto stoppedIn = reader.text();
  if (!stoppedIn || !reader.take(",\"stoppedInDrive\":")) return std::nullopt;
  auto stoppedInDrive = reader.text();
  if (!stoppedInDrive || !reader.take(",\"notReached\":")) return std::nullopt;
  auto notReached = reader.list<std::string>(textOf);
  if (!notReached || !reader.take(",\"failures\":")) return std::nullopt;
  auto failures = reader.list<TWipeFailure>(failureOf);
  if (!failures || !reader.take(",\"notes\":")) return std::nullopt;
  auto notes = reader.list<TWipeFailure>(failureOf);
  if (!notes || !reader.take("}")) return std::nullopt;
  outcome.aborted = *aborted;
  outcome.jobs = static_cast<std::size_t>(*jobs);
  outcome.stoppedIn = std::move(*stoppedIn);
  outcome.stoppedInDrive = std::move(*stoppedInDrive);
  outcome.notReached = std::move(*notReached);
  outcome.failures = std::move(*failures);
  outcome.notes = std::move(*notes);
  return outcome;
}

}  // namespace

std::string ProgressText(const std::string& bytes) {
  std::string text;
  for (unsigned char c : bytes) {
    if (escapedInText(c)) {
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
         ",\"stoppedInDrive\":" + quoted(outcome.stoppedInDrive) +
         ",\"notReached\":" + array(outcome.notReached, quoted) +
         ",\"failures\":" + array(outcome.failures, failureObject) +
         ",\"notes\":" + array(outcome.notes, failureObject) + "}";
}

std::string ProgressReportLine(const std::string& json) {
  // The report is one line of its own: its line end stays out of the event.
  const std::string line =
      !json.empty() && json.back() == '\n' ? json.substr(0, json.size() - 1) : json;
  return "{\"phase\":\"report\",\"json\":" + quoted(line) + "}";
}

std::optional<TProgressRecord> ReadProgressLine(std::string_view line) {
  LineReader reader(line);
  TProgressRecord record;
  if (reader.take("{\"phase\":\"progress\",\"path\":")) {
    record.progress = progressOf(reader);
    if (!record.progress) return std::nullopt;
  } else if (reader.take("{\"phase\":\"outcome\",\"aborted\":")) {
    record.outcome = outcomeOf(reader);
    if (!record.outcome) return std::nullopt;
  } else if (reader.take("{\"phase\":\"report\",\"json\":")) {
    record.report = reader.text();
    if (!record.report || record.report->empty() || !reader.take("}")) return std::nullopt;
  } else {
    return std::nullopt;
  }
  if (!reader.ended()) return std::nullopt;
  return record;
}

void AddRunOutcome(TRunOutcome& into, const TRunOutcome& more) {
  into.aborted = into.aborted || more.aborted;
  into.failures.insert(into.failures.end(), more.failures.begin(), more.failures.end());
  into.notes.insert(into.notes.end(), more.notes.begin(), more.notes.end());
  if (into.stoppedIn.empty()) into.stoppedIn = more.stoppedIn;
  if (into.stoppedInDrive.empty()) into.stoppedInDrive = more.stoppedInDrive;
  into.notReached.insert(into.notReached.end(), more.notReached.begin(), more.notReached.end());
  into.jobs += more.jobs;
}

bool IsWipeFailureReason(int value) {
  // Every reason is listed, so that a reason added to the engine must be added here too (the
  // compiler names a missing one).
  switch (static_cast<TWipeFailureReason>(value)) {
    case TWipeFailureReason::NoMethod:
    case TWipeFailureReason::CannotOpen:
    case TWipeFailureReason::PassFailed:
    case TWipeFailureReason::CannotDelete:
    case TWipeFailureReason::FolderNotRemoved:
    case TWipeFailureReason::KeptByUser:
    case TWipeFailureReason::FreeSpaceFileNotCreated:
    case TWipeFailureReason::FreeSpaceFillFailed:
    case TWipeFailureReason::NoFreeSpace:
    case TWipeFailureReason::SharedContent:
    case TWipeFailureReason::Changed:
    case TWipeFailureReason::CannotList:
    case TWipeFailureReason::NotFound:
    case TWipeFailureReason::DeletedUnwiped:
    case TWipeFailureReason::MethodNotReadWhole:
    case TWipeFailureReason::NoLongerMounted:
    case TWipeFailureReason::ReserveUnreachable:
    case TWipeFailureReason::NeedsAdministrator:
    case TWipeFailureReason::Interrupted:
    case TWipeFailureReason::VerificationFailed:
    case TWipeFailureReason::NotDiscarded:
    case TWipeFailureReason::JournalNotCleared:
    case TWipeFailureReason::FreeSpaceNotWiped:
    case TWipeFailureReason::MountedReadOnly:
    case TWipeFailureReason::LeftoverRemoved:
    case TWipeFailureReason::SystemFileSystem:
    case TWipeFailureReason::JournalContentRemains:
    case TWipeFailureReason::NotOverwrittenInPlace:
    case TWipeFailureReason::SharedBlocks:
    case TWipeFailureReason::KeptForMetadata:
    case TWipeFailureReason::FilledOnce:
    case TWipeFailureReason::NamesInMetadata:
    case TWipeFailureReason::ReplacedSinceChosen:
    case TWipeFailureReason::FreeSpaceRunning:
    case TWipeFailureReason::MountPoint:
    case TWipeFailureReason::FoundOnDevice:
    case TWipeFailureReason::NotVerifiedOnDevice:
    case TWipeFailureReason::NamesRemain:
      return true;
  }
  return false;
}
