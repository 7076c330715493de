#include "ui/TFileManagerEntries.h"

#include <QFile>

#include "core/Helpers.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/Permissions.h"
#include "ui/ThunarActions.h"

namespace {

constexpr std::uint64_t kLargestActionsFile = 16 * 1024 * 1024;

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// The text as XML character data.
std::string xmlEscaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&') {
      escaped += "&amp;";
    } else if (c == '<') {
      escaped += "&lt;";
    } else if (c == '>') {
      escaped += "&gt;";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string withReason(const std::string& path, const std::error_code& error) {
  return path + ": " + error.message();
}

}  // namespace

TFileManagerEntries::TFileManagerEntries(std::string program) : program_(std::move(program)) {
  Q_INIT_RESOURCE(filemanagers);
}

std::string TFileManagerEntries::DesktopExec(const std::string& program) {
  const bool plain = program.find_first_not_of(
                         "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/_.+,-") ==
                     std::string::npos;
  if (plain) return program;
  // Quoted as the Exec key wants it ("\" before " ` $ \), then each backslash doubled as every
  // string value of a desktop file wants it, and "%" doubled so it is no field code.
  std::string quoted = "\"";
  for (char c : program) {
    if (c == '"' || c == '`' || c == '$') {
      quoted += "\\\\";
      quoted += c;
    } else if (c == '\\') {
      quoted += "\\\\\\\\";
    } else if (c == '%') {
      quoted += "%%";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string TFileManagerEntries::ShellWord(const std::string& program) {
  std::string word = "'";
  for (char c : program) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

std::string TFileManagerEntries::fromTemplate(const char* name, bool xml) const {
  QFile file(QStringLiteral(":/filemanagers/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  std::string text(bytes.constData(), std::size_t(bytes.size()));
  replaceAll(text, "@FERROVANE_DESKTOP_EXEC@", DesktopExec(program_));
  const std::string shellWord = ShellWord(program_);
  replaceAll(text, "@FERROVANE_SHELL_EXEC@", xml ? xmlEscaped(shellWord) : shellWord);
  return text;
}

std::vector<TEntryFile> TFileManagerEntries::UserFiles() const {
  const std::string data = AddTrailingBackslash(platform::dataFolder());
  return {
      {data + "applications/ferrovane.desktop", fromTemplate("ferrovane.desktop"), false},
      // Dolphin runs service menus of the user's own folder only when they are marked as
      // programs.
      {data + "kio/servicemenus/ferrovane-wipe.desktop", fromTemplate("ferrovane-wipe.desktop"),
       true},
      {data + "nemo/actions/ferrovane-wipe.nemo_action", fromTemplate("ferrovane-wipe.nemo_action"),
       false},
      {data + "nautilus/scripts/Wipe with Ferrovane", fromTemplate("nautilus-script"), true},
  };
}

std::string TFileManagerEntries::ThunarFile() {
  return AddTrailingBackslash(platform::configFolder()) + "Thunar/uca.xml";
}

std::string TFileManagerEntries::ThunarAction() const {
  return fromTemplate("thunar-action.xml", true);
}

std::vector<std::string> TFileManagerEntries::WriteUserFiles() const {
  std::vector<std::string> failures;
  for (const TEntryFile& entry : UserFiles()) {
    if (entry.contents.empty()) {
      failures.push_back(entry.path + ": the program holds no template for it");
      continue;
    }
    if (const auto made = platform::ensureFolder(platform::folderPartOf(entry.path)); !made) {
      failures.push_back(entry.path + ": its folder could not be made: " + made.error().message());
      continue;
    }
    if (const auto written = platform::fs().writeFileAtomic(entry.path, entry.contents); !written) {
      failures.push_back(withReason(entry.path, written.error()));
      continue;
    }
    if (entry.runnable) {
      if (const auto marked = platform::allowRunning(entry.path); !marked) {
        failures.push_back(withReason(entry.path, marked.error()));
      }
    }
  }
  return failures;
}

std::optional<std::string> TFileManagerEntries::WriteThunarAction() const {
  const std::string path = ThunarFile();
  std::string document;
  if (const auto info = platform::fs().info(path)) {
    const auto read = platform::fs().readFile(path, kLargestActionsFile);
    if (!read) return withReason(path, read.error());
    document = *read;
  } else if (info.error() != std::errc::no_such_file_or_directory) {
    return withReason(path, info.error());
  }
  std::string problem;
  const auto merged = MergeThunarAction(document, ThunarAction(), &problem);
  if (!merged) return path + ": " + problem + "; it was left as it is";
  if (const auto made = platform::ensureFolder(platform::folderPartOf(path)); !made) {
    return path + ": its folder could not be made: " + made.error().message();
  }
  if (const auto written = platform::fs().writeFileAtomic(path, *merged); !written) {
    return withReason(path, written.error());
  }
  return std::nullopt;
}
