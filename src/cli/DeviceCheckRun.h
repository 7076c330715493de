#pragma once
// The device check and the run's report of a command of the command line: --verify-device
// (=required), --report FILE and --report-names=no on `wipe`, `free-space` and `clean`. The
// witness is handed to every run of the command; once the runs are done (their journals
// cleared), the check reads the device back, each file it found something of is named with what
// and where, and the report is written.

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "core/DeviceRecord.h"
#include "core/RunRecord.h"

class TCliOutput;
class IWipeWitness;

struct TReportRequest {
  std::string verifyDevice;  // empty: no check; "on"; "required": a file not verified fails too
  std::string reportFile;    // where the report goes; empty for none
  std::string reportNames = "yes";  // "no": the report counts targets and files, names none
  bool Wanted() const { return !verifyDevice.empty() || !reportFile.empty(); }
};

class TDeviceCheckRun {
 public:
  TDeviceCheckRun(TCliOutput& output, TReportRequest request, std::string command);
  ~TDeviceCheckRun();
  TDeviceCheckRun(const TDeviceCheckRun&) = delete;
  TDeviceCheckRun& operator=(const TDeviceCheckRun&) = delete;

  // What the runs of the command tell of each file; null when neither a check nor a report is
  // asked for.
  IWipeWitness* Witness();
  // After the command's runs: checks the device (when asked), names what it found, writes the
  // report, and gives the exit status: 1 where the check found something (or, when required,
  // could not verify a file) or the report could not be written, `status` otherwise.
  int Finish(int status, const std::vector<TRunTarget>& targets,
             const std::vector<TRunOutcome>& outcomes, const std::string& method, int passes);

 private:
  // Runs the check and says what it came to; true when it fails the run.
  bool check(TRunRecord& record);

  TCliOutput& output_;
  TReportRequest request_;
  std::string command_;
  std::unique_ptr<TDeviceRecord> record_;
  std::chrono::system_clock::time_point started_;
};
