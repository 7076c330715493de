#include "core/RunRecord.h"

#include "platform/FileSystem.h"
#include "platform/Machine.h"
#include "platform/PathText.h"

namespace {

// Whether `path` is the target or lies below it.
bool Within(const std::string& path, const std::string& target) {
  if (target.empty()) return false;
  if (path == target) return true;
  const std::string folder = target.back() == '/' ? target : target + "/";
  return path.compare(0, folder.size(), folder) == 0;
}

// The target the path goes to: the first that holds it, else none.
TRunRecordTarget* TargetOf(std::vector<TRunRecordTarget>& targets, const std::string& path) {
  for (TRunRecordTarget& target : targets) {
    if (Within(path, target.Path)) return &target;
  }
  return nullptr;
}

}  // namespace

std::string TRunRecordTarget::DeviceVerdict() const {
  if (Found > 0) return "found";
  if (NotVerified > 0) return "not verified";
  if (Verified > 0) return "verified";
  return "not checked";
}

std::string TRunRecordTarget::ReachVerdict() const {
  for (const TWipeFailure& failure : LeftBehind) {
    if (LeavesSomethingBehind(failure)) return "left something";
  }
  return "wiped";
}

void FillRunRecord(TRunRecord& record, const std::vector<TRunTarget>& targets,
                   const std::vector<TRunOutcome>& outcomes, const TDeviceRecord& devices) {
  for (const TRunTarget& given : targets) {
    TRunRecordTarget target;
    target.Path = given.Path;
    target.Kind = given.Kind;
    record.Targets.push_back(std::move(target));
  }
  for (const TRunOutcome& outcome : outcomes) {
    for (const TWipeFailure& failure : outcome.failures) {
      if (TRunRecordTarget* target = TargetOf(record.Targets, failure.Path))
        target->LeftBehind.push_back(failure);
    }
    for (const TWipeFailure& note : outcome.notes) {
      if (TRunRecordTarget* target = TargetOf(record.Targets, note.Path))
        target->Notes.push_back(note);
    }
  }
  const auto& folders = devices.Folders();
  const auto& volumes = devices.Volumes();
  std::vector<bool> described(record.Targets.size(), false);
  for (const TDeviceRecord::File& file : devices.Files()) {
    if (!file.Deleted) continue;
    TRunRecordTarget* target = TargetOf(record.Targets, file.Path);
    if (!target) continue;
    const auto index = static_cast<std::size_t>(target - record.Targets.data());
    if (!described[index]) {
      target->Device = volumes[folders[file.Folder].Volume].Facts;
      described[index] = true;
    }
    ++target->Files;
    target->BytesWritten += file.Size * static_cast<std::uint64_t>(file.Passes);
    switch (file.Checked) {
      case TDeviceRecord::Verdict::Verified:
        ++target->Verified;
        break;
      case TDeviceRecord::Verdict::Found:
        ++target->Found;
        break;
      case TDeviceRecord::Verdict::NotVerified:
        ++target->NotVerified;
        break;
      case TDeviceRecord::Verdict::Unchecked:
        break;
    }
    target->FileVerdicts.push_back(
        {file.Path, file.Checked, file.Detail, file.Blocks, file.Samples, file.OldBlocks});
  }
  // A target no deleted file describes (a drive's free space, a file left whole) is described
  // where it is, or by the folder that held it.
  for (std::size_t i = 0; i < record.Targets.size(); ++i) {
    if (described[i]) continue;
    TRunRecordTarget& target = record.Targets[i];
    const auto info = platform::fs().info(target.Path);
    const std::string folder =
        info && info->isFolder() ? target.Path : platform::folderPartOf(target.Path);
    if (!folder.empty()) target.Device = platform::blockDevices().describe(folder);
  }
  record.Journals = devices.Journals();
  record.Uncounted = devices.Uncounted();
}

bool DeviceCheckFails(const TRunRecord& record) {
  if (!record.Check) return record.CheckRequired && record.CheckAsked;
  if (record.Check->Found > 0) return true;
  return record.CheckRequired && (record.Check->NotVerified > 0 || record.Check->Stopped);
}

std::int64_t RunRecordTime(std::chrono::system_clock::time_point when) {
  return std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch()).count();
}

void StampRunRecord(TRunRecord& record, std::string program, std::string version,
                    std::string command, std::chrono::system_clock::time_point started) {
  record.Program = std::move(program);
  record.Version = std::move(version);
  record.Command = std::move(command);
  record.Started = RunRecordTime(started);
  record.Host = platform::hostName();
  record.User = platform::userName();
  record.Uid = platform::userId();
}
