#pragma once
// What a run did, kept for the user: when, on which host, by which user and program, with
// which method; per target (each path given, or drive) its file system and device (model and
// serial from sysfs), the files deleted and the bytes written over them, what the run could not
// reach, what the device check found, and the journals cleared; and the exit status. Written as
// JSON (RunRecordWriter.h, fields in docs/run-report.md) and as a page a person reads.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/DeviceCheck.h"
#include "core/DeviceRecord.h"
#include "core/RunOutcome.h"
#include "platform/BlockDevice.h"

struct TRunRecordFile {
  std::string Path;
  TDeviceRecord::Verdict Verdict = TDeviceRecord::Verdict::Unchecked;
  std::string Detail;
  std::uint64_t Blocks = 0;
  std::uint64_t Compared = 0;  // blocks fingerprinted and compared (copies counted)
  std::uint64_t OldBlocks = 0;
};

struct TRunRecordTarget {
  std::string Path;
  std::string Kind;  // "file", "folder" or "free-space"
  platform::DeviceFacts Device;
  std::uint64_t Files = 0;  // files deleted after their passes
  std::uint64_t BytesWritten = 0;
  // What the run left behind there, and what else the user should know (the engine's words).
  std::vector<TWipeFailure> LeftBehind;
  std::vector<TWipeFailure> Notes;
  std::size_t Verified = 0;
  std::size_t Found = 0;
  std::size_t NotVerified = 0;
  std::vector<TRunRecordFile> FileVerdicts;
  // "verified", "found", "not verified" or "not checked".
  std::string DeviceVerdict() const;
  // "wiped", or "left something" when the run left anything chosen behind there.
  std::string ReachVerdict() const;
};

struct TRunRecord {
  std::string Program;  // "ferrovane-cli" or "ferrovane"
  std::string Version;
  std::string Command;       // "wipe", "free-space", "clean"
  std::int64_t Started = 0;  // seconds since 1970, UTC
  std::int64_t Ended = 0;
  std::string Host;
  std::string User;
  std::uint32_t Uid = 0;
  std::string Method;
  int Passes = 0;  // of the method, the signature pass counted
  bool CheckAsked = false;
  bool CheckRequired = false;
  std::optional<TDeviceCheckSummary> Check;
  double CheckSeconds = 0;
  std::vector<TRunRecordTarget> Targets;
  std::vector<TDeviceRecord::Journal> Journals;
  // Files deleted that the record had no room to hold (counted in no target).
  std::size_t Uncounted = 0;
  int ExitStatus = 0;
};

// A target the run was given, before it ran.
struct TRunTarget {
  std::string Path;
  std::string Kind;  // "file", "folder" or "free-space"
};

// A time as the record keeps it: whole seconds since 1970, UTC.
std::int64_t RunRecordTime(std::chrono::system_clock::time_point when);

// The record's header: the program and version that ran, the command (or engine), when it
// began, and the machine and user it ran as.
void StampRunRecord(TRunRecord& record, std::string program, std::string version,
                    std::string command, std::chrono::system_clock::time_point started);

// Fills the record's targets, journals and counts from what the runs came to: each recorded file,
// failure and note goes to the target it lies in (the path itself, or below it).
void FillRunRecord(TRunRecord& record, const std::vector<TRunTarget>& targets,
                   const std::vector<TRunOutcome>& outcomes, const TDeviceRecord& devices);

// Whether the check found something on the device, and whether a file was not verified: what
// the exit status follows (a file not verified fails only a check that was required).
bool DeviceCheckFails(const TRunRecord& record);
