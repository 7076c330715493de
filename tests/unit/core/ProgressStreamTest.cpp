// The progress stream of a run done by another process: every field the writer writes reads back
// the same, and nothing the writer would not write is read at all.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/ProgressStream.h"
#include "platform/Result.h"

TEST(ProgressStreamTest, EveryFieldOfEveryReasonReadsBackTheSame) {
  TRunOutcome written;
  written.aborted = true;
  written.jobs = std::numeric_limits<std::size_t>::max();
  written.stoppedIn = "/data/caf\xe9 \"big\" 100%.iso";
  written.stoppedInDrive = "/mnt/d\xff/";
  written.notReached = {"/data/line\nbreak", "/data/back\\slash", "/x/\x01\x7f"};
  int reasons = 0;
  for (int value = 0; IsWipeFailureReason(value); ++value, ++reasons) {
    const auto reason = static_cast<TWipeFailureReason>(value);
    written.failures.push_back({"/f/" + std::to_string(value), reason,
                                std::make_error_code(std::errc::permission_denied),
                                "detail \"" + std::to_string(value) + "\"", "/root\xfe/"});
    written.notes.push_back({{}, reason, platform::FileError::Link});
    written.notes.push_back({"/n", reason});
  }
  // Every reason the engine has, the last one included, and nothing past it.
  EXPECT_EQ(reasons, static_cast<int>(TWipeFailureReason::NamesRemain) + 1);
  EXPECT_FALSE(IsWipeFailureReason(-1));

  const std::string line = ProgressOutcomeLine(written);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  const auto record = ReadProgressLine(line);
  ASSERT_TRUE(record && record->outcome && !record->progress);
  const TRunOutcome& read = *record->outcome;
  EXPECT_EQ(read.aborted, written.aborted);
  EXPECT_EQ(read.jobs, written.jobs);
  EXPECT_EQ(read.stoppedIn, written.stoppedIn);
  EXPECT_EQ(read.stoppedInDrive, written.stoppedInDrive);
  EXPECT_EQ(read.notReached, written.notReached);
  EXPECT_EQ(read.failures, written.failures);
  EXPECT_EQ(read.notes, written.notes);

  // Counts as large as 64 bits hold, and ones past what a double holds exactly.
  for (const std::uint64_t count : {std::uint64_t{0}, (std::uint64_t{1} << 53) + 1,
                                    std::numeric_limits<std::uint64_t>::max()}) {
    const TProgressEvent event{"/d/\xff.bin", 34, 35, count, count};
    const auto progress = ReadProgressLine(ProgressEventLine(event));
    ASSERT_TRUE(progress && progress->progress && !progress->outcome);
    EXPECT_EQ(progress->progress->path, event.path);
    EXPECT_EQ(progress->progress->pass, 34);
    EXPECT_EQ(progress->progress->passes, 35);
    EXPECT_EQ(progress->progress->done, count);
    EXPECT_EQ(progress->progress->total, count);
  }
}

TEST(ProgressStreamTest, OnlyWhatTheWriterWritesIsRead) {
  const std::string outcome = ProgressOutcomeLine(TRunOutcome{});
  ASSERT_TRUE(ReadProgressLine(outcome));
  const auto withDone = [](const std::string& done) {
    return "{\"phase\":\"progress\",\"path\":\"/x\",\"pass\":1,\"passes\":1,\"done\":" + done +
           ",\"total\":1}";
  };
  ASSERT_TRUE(ReadProgressLine(withDone("0")));
  for (const std::string& line : {
           withDone("1e20"),
           withDone("100000000000000000000"),
           withDone("18446744073709551616"),  // 2^64
           withDone("+35"),
           withDone(" 35"),
           withDone("035"),
           withDone("-1"),
           withDone("1.5"),
           withDone(""),
           // Text only as the writer escapes it.
           std::string("{\"phase\":\"progress\",\"path\":\"/caf\xe9\",\"pass\":1,\"passes\":1,"
                       "\"done\":1,\"total\":1}"),
           std::string("{\"phase\":\"progress\",\"path\":\"/caf%e9\",\"pass\":1,\"passes\":1,"
                       "\"done\":1,\"total\":1}"),
           std::string("{\"phase\":\"progress\",\"path\":\"/%41\",\"pass\":1,\"passes\":1,"
                       "\"done\":1,\"total\":1}"),
           std::string("{\"phase\":\"progress\",\"path\":\"/caf\\u00e9\",\"pass\":1,\"passes\":1,"
                       "\"done\":1,\"total\":1}"),
           // Fields missing, out of place, or more than the writer writes.
           std::string("{\"phase\":\"outcome\"}"),
           std::string("{\"phase\":\"progress\",\"path\":\"/x\",\"done\":1}"),
           outcome + " ",
           outcome + "x",
           " " + outcome,
           std::string("{\"phase\":\"other\",\"path\":\"/x\"}"),
           std::string("{\"phase\":\"outcome\",\"aborted\":false,\"jobs\":1,\"stoppedIn\":\"\","
                       "\"stoppedInDrive\":\"\",\"notReached\":[],\"failures\":[{\"path\":\"/x\","
                       "\"reason\":999}],\"notes\":[]}"),
           std::string("{\"phase\":\"outcome\",\"aborted\":false,\"jobs\":1,\"stoppedIn\":\"\","
                       "\"stoppedInDrive\":\"\",\"notReached\":[],\"failures\":[{\"path\":\"/x\","
                       "\"reason\":1,\"errno\":2147483648}],\"notes\":[]}"),
           std::string("ferrovane-cli: /x: not found"),
       }) {
    EXPECT_FALSE(ReadProgressLine(line)) << line;
  }
}

TEST(ProgressStreamTest, OutcomesOfSeveralRunsAddUpToOne) {
  TRunOutcome files;
  files.jobs = 2;
  files.failures = {{"/a", TWipeFailureReason::CannotOpen}};
  TRunOutcome folders;
  folders.jobs = 3;
  folders.aborted = true;
  folders.stoppedIn = "/b/big";
  folders.notReached = {"/c"};
  folders.notes = {{"/", TWipeFailureReason::JournalNotCleared}};
  TRunOutcome whole = files;
  AddRunOutcome(whole, folders);
  EXPECT_TRUE(whole.aborted);
  EXPECT_EQ(whole.jobs, std::size_t{5});
  EXPECT_EQ(whole.failures, files.failures);
  EXPECT_EQ(whole.notes, folders.notes);
  EXPECT_EQ(whole.stoppedIn, "/b/big");
  EXPECT_EQ(whole.notReached, std::vector<std::string>{"/c"});
}
