#include "core/HandOverJob.h"

#include <limits>

#include "core/HandOverFrames.h"
#include "core/TWipeMethod.h"
#include "core/Translated.h"

namespace {

constexpr char kHeader[] = "ferrovane-hand-over-1";
// No record of the job is larger (a path is far shorter), and no job has more targets.
constexpr std::uint64_t kLargestRecord = 1 << 20;
constexpr std::size_t kMostTargets = 1 << 20;

std::string record(const std::vector<std::string>& fields) {
  std::string bytes;
  for (const std::string& field : fields) bytes += FrameOf(field);
  return FrameOf(bytes);
}

std::string flag(bool value) {
  return value ? "1" : "0";
}

std::string journalText(WipeRunSettings::JournalNames journal) {
  switch (journal) {
    case WipeRunSettings::JournalNames::All:
      return "all";
    case WipeRunSettings::JournalNames::None:
      return "none";
    case WipeRunSettings::JournalNames::WhereKept:
      return "where-kept";
  }
  return {};
}

// The fields of one record, read in order; every read names what it expected when it fails.
class Fields {
 public:
  explicit Fields(std::vector<std::string> fields) : fields_(std::move(fields)) {}

  bool left() const { return next_ < fields_.size(); }
  std::optional<std::string> text(std::size_t longest = TWipeMethod::kMaxTextLength) {
    if (!left() || fields_[next_].size() > longest) return std::nullopt;
    return fields_[next_++];
  }
  std::optional<std::uint64_t> count(std::uint64_t most) {
    if (!left()) return std::nullopt;
    auto value = ReadDecimal(fields_[next_], most);
    if (value) ++next_;
    return value;
  }
  std::optional<bool> flag() {
    const auto value = count(1);
    if (!value) return std::nullopt;
    return *value == 1;
  }
  std::optional<std::uint8_t> byte() {
    const auto value = count(255);
    if (!value) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
  }
  // A signed number as std::to_string writes it: "0", or digits after an optional "-" that do
  // not start with "0".
  std::optional<std::int64_t> signedCount() {
    if (!left()) return std::nullopt;
    std::string_view text = fields_[next_];
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::uint64_t most = negative
                                   ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                   : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    const auto value = ReadDecimal(text, most);
    if (!value || (negative && *value == 0)) return std::nullopt;
    ++next_;
    if (!negative) return static_cast<std::int64_t>(*value);
    return *value == most ? std::numeric_limits<std::int64_t>::min()
                          : -static_cast<std::int64_t>(*value);
  }

 private:
  std::vector<std::string> fields_;
  std::size_t next_ = 0;
};

}  // namespace

std::string HandOverPathProblem(TWipeItemKind kind, const std::string& path) {
  if (path.empty() || path.front() != '/') return Tr("is not a full path");
  if (path.find('\0') != std::string::npos) return Tr("holds a NUL byte");
  const bool root = kind == wkFreeSpace;
  if (root != (path.back() == '/')) {
    return root ? Tr("is not a drive's root") : Tr("ends in a separator");
  }
  if (!root && path == "/") return Tr("is the root folder: it is never wiped");
  const std::string_view inside = std::string_view(path).substr(1, path.size() - (root ? 2 : 1));
  if (inside.empty()) return {};  // the root of the root drive
  std::size_t start = 0;
  while (start <= inside.size()) {
    std::size_t end = inside.find('/', start);
    if (end == std::string_view::npos) end = inside.size();
    const std::string_view part = inside.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") {
      return Tr("names a folder by \"\", \".\" or \"..\": not a path as the window saw it");
    }
    start = end + 1;
  }
  return {};
}

std::string EncodeHandOverJob(const THandOverJob& job) {
  const WipeRunSettings& settings = job.settings;
  std::string bytes = FrameOf(kHeader);
  bytes += record({"settings", std::to_string(settings.BufferSize), flag(settings.WipeSlackSpace),
                   flag(settings.ScrambleFile), flag(settings.WriteSignature), settings.Signature,
                   flag(settings.DiscardFreeBlocks), journalText(settings.Journal)});
  bytes += record({"method", job.method.Name, std::to_string(job.method.Passes.size())});
  for (const TPass& pass : job.method.Passes) {
    bytes += record({"pass", pass.Name, flag(pass.CheckWipe), std::to_string(pass.WipeWith),
                     std::to_string(pass.BytePatternValue), pass.TextPatternValue,
                     std::to_string(pass.RandomBytesValue1), std::to_string(pass.RandomBytesValue2),
                     std::to_string(pass.RandomCharacterValue1),
                     std::to_string(pass.RandomCharacterValue2)});
  }
  for (const THandOverTarget& target : job.targets) {
    bytes += record({"target", std::to_string(target.kind), target.path,
                     std::to_string(target.id.device), std::to_string(target.id.inode),
                     std::to_string(target.volume.device), std::to_string(target.volume.fsid),
                     std::to_string(target.volume.birth)});
  }
  bytes += record({"end"});
  return bytes;
}

class THandOverJobReader::Frames : public TFrameReader {
 public:
  Frames() : TFrameReader(kLargestRecord) {}
};

THandOverJobReader::THandOverJobReader() : frames_(std::make_unique<Frames>()) {}

THandOverJobReader::~THandOverJobReader() = default;

THandOverJobReader::State THandOverJobReader::refuse(std::string problem) {
  state_ = State::Refused;
  problem_ = Substituted(Tr("the job handed over is damaged: {}"), {problem});
  return state_;
}

THandOverJobReader::State THandOverJobReader::Feed(std::string_view bytes) {
  if (state_ == State::Refused) return state_;
  if (state_ == State::Complete) {
    return bytes.empty() ? state_ : refuse(Tr("bytes follow its end"));
  }
  frames_->Feed(bytes);
  while (state_ == State::Reading) {
    auto frame = frames_->Next();
    if (!frame) break;
    take(*frame);
  }
  if (frames_->Broken()) return refuse(Tr("a length that is no length"));
  if (state_ == State::Complete && frames_->HasPending()) return refuse(Tr("bytes follow its end"));
  return state_;
}

THandOverJobReader::State THandOverJobReader::take(const std::string& frame) {
  const int index = records_++;
  if (index == 0) return frame == kHeader ? state_ : refuse(Tr("it is not a job of this program"));
  auto split = SplitFrames(frame, kLargestRecord);
  if (!split || split->empty()) return refuse(Tr("a record is not made of fields"));
  const std::string tag = split->front();
  Fields fields(std::vector<std::string>(split->begin() + 1, split->end()));
  if (index == 1) {
    if (tag != "settings") return refuse(Tr("the settings are missing"));
    WipeRunSettings& settings = job_.settings;
    const auto size = fields.count(std::uint64_t(std::numeric_limits<std::int32_t>::max()));
    const auto slack = fields.flag();
    const auto scramble = fields.flag();
    const auto signature = fields.flag();
    auto signatureText = fields.text();
    const auto discard = fields.flag();
    const auto journal = fields.text();
    if (!size || *size == 0 || !slack || !scramble || !signature || !signatureText || !discard ||
        !journal || fields.left()) {
      return refuse(Tr("the settings"));
    }
    if (*journal == "all") {
      settings.Journal = WipeRunSettings::JournalNames::All;
    } else if (*journal == "none") {
      settings.Journal = WipeRunSettings::JournalNames::None;
    } else if (*journal == "where-kept") {
      settings.Journal = WipeRunSettings::JournalNames::WhereKept;
    } else {
      return refuse("the settings");
    }
    settings.BufferSize = static_cast<std::int64_t>(*size);
    settings.WipeSlackSpace = *slack;
    settings.ScrambleFile = *scramble;
    settings.WriteSignature = *signature;
    settings.Signature = std::move(*signatureText);
    settings.DiscardFreeBlocks = *discard;
    return state_;
  }
  if (index == 2) {
    auto name = fields.text();
    const auto passes = fields.count(TWipeMethod::kMaxPasses);
    if (tag != "method" || !name || !passes || fields.left()) return refuse(Tr("the method"));
    job_.method.Name = std::move(*name);
    passesLeft_ = static_cast<std::size_t>(*passes);
    return state_;
  }
  if (passesLeft_ > 0) {
    TPass pass;
    auto name = fields.text();
    const auto check = fields.flag();
    const auto with = fields.count(wwRandomCharacter);
    const auto pattern = fields.byte();
    auto text = fields.text();
    const auto bytes1 = fields.byte();
    const auto bytes2 = fields.byte();
    const auto character1 = fields.byte();
    const auto character2 = fields.byte();
    if (tag != "pass" || !name || !check || !with || !pattern || !text || !bytes1 || !bytes2 ||
        !character1 || !character2 || fields.left()) {
      return refuse(Tr("a pass of the method"));
    }
    pass.Name = std::move(*name);
    pass.CheckWipe = *check;
    pass.WipeWith = static_cast<std::uint8_t>(*with);
    pass.BytePatternValue = *pattern;
    pass.TextPatternValue = std::move(*text);
    pass.RandomBytesValue1 = *bytes1;
    pass.RandomBytesValue2 = *bytes2;
    pass.RandomCharacterValue1 = *character1;
    pass.RandomCharacterValue2 = *character2;
    job_.method.Passes.push_back(std::move(pass));
    --passesLeft_;
    return state_;
  }
  if (tag == "end") {
    if (fields.left()) return refuse(Tr("its end"));
    state_ = State::Complete;
    return state_;
  }
  if (tag != "target" || job_.targets.size() >= kMostTargets) return refuse(Tr("a target"));
  THandOverTarget target;
  const auto kind = fields.count(wkFreeSpace);
  auto path = fields.text(kLargestRecord);
  const auto device = fields.count(UINT64_MAX);
  const auto inode = fields.count(UINT64_MAX);
  const auto volume = fields.count(UINT64_MAX);
  const auto fsid = fields.count(UINT64_MAX);
  const auto birth = fields.signedCount();
  if (!kind || !path || !device || !inode || !volume || !fsid || !birth || fields.left()) {
    return refuse(Tr("a target"));
  }
  target.kind = static_cast<TWipeItemKind>(*kind);
  target.path = std::move(*path);
  target.id = {*device, *inode};
  target.volume = {*volume, *fsid, *birth};
  // What the window saw is known for every target: a target without it would be looked up anew.
  const bool seen = target.kind == wkFreeSpace ? target.volume.device != 0 : target.id.device != 0;
  if (!seen) return refuse(Tr("a target without the identity the window saw"));
  job_.targets.push_back(std::move(target));
  return state_;
}

std::optional<THandOverJob> DecodeHandOverJob(std::string_view bytes, std::string* problem) {
  THandOverJobReader reader;
  const auto state = reader.Feed(bytes);
  if (state == THandOverJobReader::State::Complete) return reader.Job();
  if (problem) {
    *problem = state == THandOverJobReader::State::Refused
                   ? reader.Problem()
                   : std::string(Tr("the job handed over is damaged: it ends before its end"));
  }
  return std::nullopt;
}
