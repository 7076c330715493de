#include "cli/DeviceCheckRun.h"

#include "cli/ExitStatus.h"
#include "cli/TCliOutput.h"
#include "core/DeviceCheck.h"
#include "core/ProgressStream.h"
#include "core/RunRecord.h"
#include "core/RunRecordWriter.h"
#include "core/Translated.h"
#include "platform/BlockDevice.h"
#include "platform/FileSystem.h"
#include "platform/Signals.h"

#ifndef FERROVANE_VERSION
#define FERROVANE_VERSION "0"
#endif

TDeviceCheckRun::TDeviceCheckRun(TCliOutput& output, TReportRequest request, std::string command)
    : output_(output),
      request_(std::move(request)),
      command_(std::move(command)),
      started_(std::chrono::system_clock::now()) {
  // A run shown by another program (--progress=json) hands that program its report too.
  if (!request_.Wanted() && !output_.JsonProgress()) return;
  TDeviceRecord::Limits limits;
  limits.Fingerprints = !request_.verifyDevice.empty();
  record_ = std::make_unique<TDeviceRecord>(limits);
}

TDeviceCheckRun::~TDeviceCheckRun() = default;

IWipeWitness* TDeviceCheckRun::Witness() {
  return record_.get();
}

bool TDeviceCheckRun::check(TRunRecord& record) {
  output_.Progress(Tr("Checking the device..."));
  const auto began = std::chrono::steady_clock::now();
  TDeviceCheck check(*record_);
  // A stop signal ends the check; what it had not read yet is not verified.
  record.Check = check.Run([this](std::uint64_t done, std::uint64_t total) {
    if (total > 0) {
      output_.Progress(Tr("Checking the device: ") + std::to_string(done * 100 / total) + "%");
    }
    return platform::stopSignal() != 0;
  });
  record.CheckSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  output_.ClearProgress();
  for (const TDeviceRecord::File& file : record_->Files()) {
    if (!file.Deleted) continue;
    if (file.Checked == TDeviceRecord::Verdict::Verified) {
      output_.Detail(file.Path + ": " + file.Detail);
    } else {
      output_.Problem(file.Path + ": " + file.Detail);
    }
  }
  for (const std::string& note : record.Check->Notes) output_.Problem(note);
  for (const TDeviceRecord::Volume& volume : record_->Volumes()) {
    if (volume.NotOpened != platform::DeviceError::NeedsAdministrator) continue;
    output_.Problem(Tr("device check: reading ") +
                    (volume.Facts.device.empty() ? volume.Folder : "/dev/" + volume.Facts.device) +
                    Tr(" back needs administrator rights: run the command with sudo or pkexec"));
    break;
  }
  const TDeviceCheckSummary& summary = *record.Check;
  output_.Problem(Tr("device check: ") + std::to_string(summary.Verified) + Tr(" verified, ") +
                  std::to_string(summary.Found) + Tr(" found, ") +
                  std::to_string(summary.NotVerified) + Tr(" not verified (") +
                  std::to_string(summary.BytesRead) + Tr(" bytes read back)"));
  if (record_->Uncounted() > 0) {
    output_.Problem(Tr("device check: ") + std::to_string(record_->Uncounted()) +
                    Tr(" more files were deleted than the check had room to record"));
  }
  return DeviceCheckFails(record);
}

int TDeviceCheckRun::Finish(int status, const std::vector<TRunTarget>& targets,
                            const std::vector<TRunOutcome>& outcomes, const std::string& method,
                            int passes) {
  if (!record_) return status;
  TRunRecord record;
  StampRunRecord(record, "ferrovane-cli", FERROVANE_VERSION, command_, started_);
  record.Method = method;
  record.Passes = passes;
  record.CheckAsked = !request_.verifyDevice.empty();
  record.CheckRequired = request_.verifyDevice == "required";
  if (record.CheckAsked && check(record) && status == ExitAllDone) status = ExitSomethingLeft;
  FillRunRecord(record, targets, outcomes, *record_);
  record.Ended = RunRecordTime(std::chrono::system_clock::now());
  // The status the report gives is the one the command ends with, unless writing it fails.
  record.ExitStatus = status;
  const bool names = request_.reportNames != "no";
  if (!request_.reportFile.empty()) {
    const platform::Status written = platform::fs().writeFileAtomic(
        request_.reportFile, RunRecordFor(request_.reportFile, record, names));
    if (!written) {
      output_.Problem(request_.reportFile + Tr(": the report could not be written (") +
                      written.error().message() + ")");
      status = status == ExitAllDone ? ExitSomethingLeft : status;
      record.ExitStatus = status;
    }
  }
  if (output_.JsonProgress()) output_.JsonLine(ProgressReportLine(RunRecordJson(record, names)));
  return status;
}
