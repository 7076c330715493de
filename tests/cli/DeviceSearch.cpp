#include "DeviceSearch.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

constexpr int kDigits = 4;

std::string Utf16(const std::string& ascii) {
  std::string wide;
  for (char c : ascii) {
    wide += c;
    wide += '\0';
  }
  return wide;
}

// The number of `kDigits` digits at `at`, each `step` bytes apart (2 for UTF-16LE, whose
// second byte must be zero); none when they are not digits.
std::optional<int> NumberAt(const std::string& bytes, std::size_t at, std::size_t step) {
  int value = 0;
  for (int i = 0; i < kDigits; ++i, at += step) {
    if (at + step > bytes.size()) return std::nullopt;
    const char c = bytes[at];
    if (c < '0' || c > '9' || (step == 2 && bytes[at + 1] != '\0')) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

void Collect(const std::string& bytes, const std::string& needle, std::size_t step,
             std::set<int>& found, std::size_t& copies) {
  for (std::size_t at = bytes.find(needle); at != std::string::npos;
       at = bytes.find(needle, at + 1)) {
    ++copies;
    if (const auto number = NumberAt(bytes, at + needle.size(), step)) found.insert(*number);
  }
}

}  // namespace

std::size_t NameFindings::distinct() const {
  std::set<int> all = ascii;
  all.insert(utf16.begin(), utf16.end());
  return all.size();
}

std::string MarkedName(const std::string& prefix, int index) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%0*d", kDigits, index);
  return prefix + digits + "-minutes-of-the-board.txt";
}

NameFindings FindNames(const std::string& bytes, const std::string& prefix) {
  NameFindings found;
  Collect(bytes, prefix, 1, found.ascii, found.copies);
  Collect(bytes, Utf16(prefix), 2, found.utf16, found.copies);
  return found;
}

std::size_t CountIn(const std::string& bytes, const std::string& text) {
  std::size_t count = 0;
  for (std::size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1)) {
    ++count;
  }
  return count;
}

std::optional<std::size_t> CarvedFilesHolding(const std::string& image, const std::string& folder,
                                              const std::string& marker) {
  const char* const photorec = "/usr/bin/photorec";
  if (::access(photorec, X_OK) != 0) return std::nullopt;
  fsys::create_directories(folder);
  // The whole image, not only what the file system calls free: an examiner reads every block.
  // Only the kinds the tests write (documents and text), which keeps the carving quick.
  // From the folder: PhotoRec keeps its session file in the current folder.
  const std::string command =
      "cd '" + folder + "' && " + photorec + " /d '" + folder + "/carved' /cmd '" + image +
      "' partition_none,options,paranoid,fileopt,everything,disable,pdf,enable,txt,enable,"
      "wholespace,search"
      " >/dev/null 2>&1 </dev/null";
  if (std::system(command.c_str()) != 0) return std::nullopt;
  std::size_t holding = 0;
  for (const auto& entry : fsys::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && CountIn(readFileBytes(entry.path().string()), marker) > 0) {
      ++holding;
    }
  }
  return holding;
}
