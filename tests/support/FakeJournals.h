#pragma once
// Journals for tests: file systems made of the folders listed, each with the volume it is on;
// every cleaning is recorded and answered as the test says (Cleaned unless told otherwise).

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Journal.h"

class FakeJournals final : public platform::Journals {
 public:
  std::map<std::string, std::uint64_t> folders;
  // The volume of a path that `folders` does not list; none when unset.
  std::function<std::optional<std::uint64_t>(const std::string&)> otherVolumes;
  bool emptiable = false;  // what canEmpty answers
  bool ext4 = false;       // what inspect answers: whether every file system is an ext4 one
  struct Call {
    std::string folder;
    std::optional<std::uint64_t> volume;
    platform::JournalWay way;
  };
  std::vector<Call> calls;
  std::function<platform::JournalOutcome(const platform::JournalRequest&)> answer;

  std::optional<std::uint64_t> volumeOf(const std::string& path) override {
    auto it = folders.find(path);
    if (it != folders.end()) return it->second;
    return otherVolumes ? otherVolumes(path) : std::nullopt;
  }
  // What inspect answers for every folder (an ext4 journal when `ext4` is set).
  platform::JournalInfo inspected;
  platform::JournalInfo inspect(const std::string&) override {
    platform::JournalInfo info = inspected;
    if (ext4) info.ext4 = true;
    return info;
  }
  bool canEmpty(const std::string&) override { return emptiable; }
  platform::JournalOutcome clean(const platform::JournalRequest& request) override {
    calls.push_back({request.folder, request.volume, request.way});
    if (answer) return answer(request);
    platform::JournalOutcome outcome;
    outcome.result = platform::JournalResult::Cleaned;
    return outcome;
  }
};
