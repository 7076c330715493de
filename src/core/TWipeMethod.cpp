#include "core/TWipeMethod.h"

#include <algorithm>
#include <optional>

#include "core/Helpers.h"
#include "core/IniDocument.h"
#include "core/IniIndex.h"
#include "core/TIniFile.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"

namespace {

const char kMethodSection[] = "Method";

std::string passSection(std::int64_t number) {
  return "Pass" + std::to_string(number);
}

// Reads of one method file, with the defaults and conversions of TIniFile. Notes whether
// every text was read whole.
class MethodReader {
 public:
  explicit MethodReader(std::string text) : index_(std::move(text)) {}

  std::string text(const std::string& section, const char* key) {
    const auto value = index_.find(section, key);
    if (!value) return std::string();
    if (value->size() > TWipeMethod::kMaxTextLength) textsWhole = false;
    return std::string(value->substr(0, TWipeMethod::kMaxTextLength));
  }
  std::int32_t integer(const std::string& section, const char* key) {
    return ParseIniInteger(text(section, key)).value_or(0);
  }
  std::uint8_t byte(const std::string& section, const char* key) {
    return static_cast<std::uint8_t>(integer(section, key) & 0xFF);
  }
  // The value as it is written, or nothing when the key is missing.
  std::optional<std::string> raw(const std::string& section, const char* key) {
    const auto value = index_.find(section, key);
    if (!value) return std::nullopt;
    return text(section, key);
  }

  bool textsWhole = true;

 private:
  IniIndex index_;
};

// A value from the file as the user is shown it: cut short when long.
std::string Quoted(const std::string& value) {
  constexpr std::size_t kShown = 24;
  return value.size() > kShown ? value.substr(0, kShown) + "..." : value;
}

// True for bytes no method file holds as text: control characters other than tab and line
// ends.
bool HoldsBinary(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
  });
}

// Why the pass just read cannot be written, or empty when it can.
std::string PassProblem(MethodReader& reader, const std::string& section, const TPass& pass) {
  if (const auto kind = reader.raw(section, "WipeWith")) {
    const auto number = ParseIniInteger(*kind);
    if (!number || *number < wwBytePattern || *number > wwRandomCharacter) {
      return Substituted(Tr("{} is of an unknown kind (WipeWith={})"), {section, Quoted(*kind)});
    }
  }
  if (pass.WipeWith == wwTextPattern && pass.TextPatternValue.empty()) {
    return Substituted(Tr("{} has a text pattern without text"), {section});
  }
  return {};
}

// A text of one line as the file keeps it: up to its first line break, which is all that is
// read back of it (a line break cannot be stored).
std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

void TWipeMethod::ClearPasses() {
  Passes.clear();
  NextPassNumber = 1;
}

TPass* TWipeMethod::GetPass(std::int64_t index) const {
  if (index < 0 || index >= static_cast<std::int64_t>(Passes.size())) return nullptr;
  return Passes[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<TPass> TWipeMethod::NewPass() {
  auto pass = std::make_unique<TPass>();
  pass->Name = "pass" + std::to_string(NextPassNumber);
  ++NextPassNumber;
  return pass;
}

TPass* TWipeMethod::AddPass(std::unique_ptr<TPass> pass) {
  Passes.push_back(std::move(pass));
  return Passes.back().get();
}

void TWipeMethod::DeletePass(const TPass* pass) {
  auto it = std::find_if(Passes.begin(), Passes.end(),
                         [pass](const std::unique_ptr<TPass>& p) { return p.get() == pass; });
  if (it != Passes.end()) Passes.erase(it);
}

void TWipeMethod::Assign(const TWipeMethod& source) {
  if (&source == this) return;
  Name = source.Name;
  Description = source.Description;
  ClearPasses();
  for (const auto& sourcePass : source.Passes) {
    TPass* pass = AddPass(NewPass());
    pass->Assign(*sourcePass);
  }
  NextPassNumber = PassCount() + 1;
  ReadWhole = true;
  ReadProblem.clear();
}

void TWipeMethod::LoadFromFile() {
  // The file is read once; every key is then looked up in that text, so a file with many
  // sections cannot make loading slow.
  std::optional<std::string> text;
  ReadProblem.clear();
  const auto refuse = [this](std::string why) {
    if (ReadProblem.empty()) ReadProblem = std::move(why);
  };
  if (auto info = platform::fs().info(FileName); !info) {
    refuse(Substituted(Tr("it could not be opened ({})"), {info.error().message()}));
  } else if (info->kind != platform::EntryKind::File) {
    refuse(Tr("it is not a file"));
  } else if (info->size > kMaxFileSize) {
    refuse(Substituted(Tr("it is larger than {} MiB"), {std::to_string(kMaxFileSize >> 20)}));
  } else if (auto read = platform::fs().readFile(FileName, kMaxFileSize); !read) {
    refuse(Substituted(Tr("it could not be read ({})"), {read.error().message()}));
  } else if (HoldsBinary(*read)) {
    refuse(Tr("it holds binary content, not text"));
  } else {
    text = std::move(*read);
  }
  const bool fileRead = text.has_value();
  MethodReader reader(fileRead ? std::move(*text) : std::string());

  Name = reader.text(kMethodSection, "Name");
  Description = UnescapeLineBreaks(reader.text(kMethodSection, "Description"));
  // Only a count written in the file gives a method without passes.
  const std::optional<std::string> written = reader.raw(kMethodSection, "Passes");
  std::int32_t stored = 0;
  if (!written) {
    if (fileRead) refuse(Tr("it does not say how many passes it has"));
  } else if (const std::optional<std::int32_t> number = ParseIniInteger(*written);
             !number || *number < 0) {
    refuse(Substituted(Tr("Passes={} is not a number of passes"), {Quoted(*written)}));
  } else {
    stored = *number;
  }
  if (stored > kMaxPasses)
    refuse(Substituted(Tr("it has more than {} passes"), {std::to_string(kMaxPasses)}));
  const std::int32_t count = std::min(stored, kMaxPasses);
  for (std::int32_t n = 1; n <= count; ++n) {
    const std::string section = passSection(n);
    auto pass = std::make_unique<TPass>();
    pass->Name = reader.text(section, "Name");
    pass->CheckWipe = reader.integer(section, "CheckWipe") != 0;
    pass->WipeWith = reader.byte(section, "WipeWith");
    pass->BytePatternValue = reader.byte(section, "BytePatternValue");
    pass->TextPatternValue = reader.text(section, "TextPatternValue");
    pass->RandomBytesValue1 = reader.byte(section, "RandomBytesValue1");
    pass->RandomBytesValue2 = reader.byte(section, "RandomBytesValue2");
    pass->RandomCharacterValue1 = reader.byte(section, "RandomCharacterValue1");
    pass->RandomCharacterValue2 = reader.byte(section, "RandomCharacterValue2");
    if (const std::string problem = PassProblem(reader, section, *pass); !problem.empty()) {
      refuse(problem);
    }
    AddPass(std::move(pass));
  }
  if (!reader.textsWhole) {
    refuse(
        Substituted(Tr("a text in it is longer than {} bytes"), {std::to_string(kMaxTextLength)}));
  }
  ReadWhole = ReadProblem.empty();
}

void TWipeMethod::SaveToFile() const {
  // All keys are written into one copy of the file's text, which then replaces the file in one
  // step: the result is the same as writing key after key, and a failure leaves the old file.
  UpdateIniFile(FileName, [this](IniDocument& document) {
    auto writeInt = [&](const std::string& section, const char* key, std::int32_t value) {
      document.write(section, key, IniIntegerText(value));
    };
    document.write(kMethodSection, "Name", FirstLine(Name));
    document.write(kMethodSection, "Description", EscapeLineBreaks(Description));
    writeInt(kMethodSection, "Passes", PassCount());
    for (int i = 0; i < PassCount(); ++i) {
      const TPass& pass = *Passes[static_cast<std::size_t>(i)];
      const std::string section = passSection(i + 1);
      document.write(section, "Name", FirstLine(pass.Name));
      document.write(section, "CheckWipe", pass.CheckWipe ? "1" : "0");
      writeInt(section, "WipeWith", pass.WipeWith);
      writeInt(section, "BytePatternValue", pass.BytePatternValue);
      document.write(section, "TextPatternValue", FirstLine(pass.TextPatternValue));
      writeInt(section, "RandomBytesValue1", pass.RandomBytesValue1);
      writeInt(section, "RandomBytesValue2", pass.RandomBytesValue2);
      writeInt(section, "RandomCharacterValue1", pass.RandomCharacterValue1);
      writeInt(section, "RandomCharacterValue2", pass.RandomCharacterValue2);
    }
  });
}
