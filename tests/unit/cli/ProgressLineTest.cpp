// The progress line of the command line: what it shows, how it fits the terminal, and the
// figures the terminal progress works out from the engine's calls.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "cli/ProgressLine.h"
#include "cli/TCliOutput.h"
#include "cli/TTerminalProgress.h"
#include "support/TestFolder.h"

TEST(ProgressLine, RatesAndDurationsReadAsPeopleWriteThem) {
  const struct {
    double bytesPerSecond;
    const char* text;
  } rates[] = {{0, "0 B/s"},
               {1023, "1023 B/s"},
               {1024, "1.0 KiB/s"},
               {1536, "1.5 KiB/s"},
               {150.0 * 1024, "150 KiB/s"},
               {1048575, "1023 KiB/s"},
               {12.34 * 1048576, "12.3 MiB/s"},
               {3.0 * 1073741824, "3.0 GiB/s"},
               {-5, "0 B/s"}};
  for (const auto& rate : rates) EXPECT_EQ(FormatRate(rate.bytesPerSecond), rate.text);

  const struct {
    double seconds;
    const char* text;
  } durations[] = {{0, "0:00"},       {0.2, "0:01"},      {59, "0:59"},
                   {60, "1:00"},      {3599, "59:59"},    {3600, "1:00:00"},
                   {3723, "1:02:03"}, {1e12, "99:59:59"}, {-3, "0:00"}};
  for (const auto& duration : durations) {
    EXPECT_EQ(FormatDuration(duration.seconds), duration.text) << duration.seconds;
  }
}

TEST(ProgressLine, ThePathGivesWayFirstThenTheFiguresFromTheRight) {
  TProgressFigures figures;
  figures.file = "/home/user/documents/reports/annual.pdf";
  figures.pass = 2;
  figures.passes = 3;
  figures.percent = 45;
  figures.bytesPerSecond = 120.0 * 1048576;
  figures.secondsLeft = 12;
  const std::string figuresText = "  pass 2 of 3  45%  120 MiB/s  0:12 left";

  const struct {
    unsigned columns;
    std::string line;
  } cases[] = {
      {200, figures.file + figuresText}, {72, "/.../reports/annual.pdf" + figuresText},
      {52, "annual.pdf" + figuresText},  {40, "annual.pdf  pass 2 of 3  45%  120 MiB/s"},
      {27, "annual.pdf  pass 2 of 3"},   {8, "annual."},  // nothing else left to give way: cut
  };
  for (const auto& c : cases) {
    const std::string line = FormatProgressLine(figures, c.columns);
    EXPECT_EQ(line, c.line) << c.columns;
    EXPECT_LT(line.size(), c.columns) << "the last column stays free";
  }
}

TEST(ProgressLine, UnknownFiguresAreLeftOut) {
  TProgressFigures figures;
  figures.file = "Creating temporary file...";
  figures.percent = 7;
  EXPECT_EQ(FormatProgressLine(figures, 80), "Creating temporary file...  7%");
  figures.percent = -1;
  figures.pass = 1;  // a pass without a total is no figure
  EXPECT_EQ(FormatProgressLine(figures, 80), "Creating temporary file...");
}

namespace {

// A terminal progress over a stream of the test, with a clock the test moves.
using Stream = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

struct Progress : ::testing::Test {
  TestFolder t;
  // Closed after the output that writes to them has ended.
  Stream out{std::fopen((t / "out").c_str(), "w"), std::fclose};
  Stream err{std::fopen((t / "err").c_str(), "w"), std::fclose};
  double now = 100;
  TCliOutput output{false, false, out.get(), false, err.get(), true};
  TTerminalProgress progress{output, [this] { return now; }};

  std::string written() {
    std::fflush(err.get());
    return readFileBytes(t / "err");
  }
};

}  // namespace

TEST_F(Progress, BytesWrittenGiveThePercentTheRateAndTheTimeLeft) {
  // In the engine's order: the range, then the file.
  progress.SetFileRange(3000);
  progress.ShowFile("/data/big");
  progress.ShowPass(1, 3);
  progress.Advance(500);
  // Too early for a rate: one block says little.
  EXPECT_EQ(progress.Figures().bytesPerSecond, -1);
  now += 1;
  progress.Advance(500);
  const TProgressFigures figures = progress.Figures();
  EXPECT_EQ(figures.percent, 33);
  EXPECT_EQ(figures.pass, 1);
  EXPECT_DOUBLE_EQ(figures.bytesPerSecond, 1000);
  EXPECT_DOUBLE_EQ(figures.secondsLeft, 2);

  // The rate is the run's; a new file starts its own percentage.
  progress.SetFileRange(100);
  progress.ShowFile("/data/small");
  EXPECT_EQ(progress.Figures().percent, 0);
  EXPECT_DOUBLE_EQ(progress.Figures().bytesPerSecond, -1);  // nothing of this file written yet
}

TEST_F(Progress, AShareSetDirectlyIsCarriedOnAtItsPace) {
  progress.ShowFile("Creating temporary file...");
  progress.SetFileRange(100);
  now += 2;
  progress.SetFilePosition(25);
  const TProgressFigures figures = progress.Figures();
  EXPECT_EQ(figures.percent, 25);
  EXPECT_EQ(figures.bytesPerSecond, -1);
  EXPECT_DOUBLE_EQ(figures.secondsLeft, 6);
}

TEST_F(Progress, TheLineIsRedrawnAtMostTenTimesASecondAndClearedAtTheEnd) {
  progress.SetFileRange(100);
  progress.ShowFile("/data/file");
  for (int i = 0; i < 50; ++i) progress.Advance(1);  // no time passes: drawn once
  now += 0.2;
  progress.Advance(1);
  std::string text = written();
  std::size_t draws = 0;
  for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at + 1)) {
    ++draws;
  }
  EXPECT_EQ(draws, 2u);
  EXPECT_NE(text.find("/data/file  51%"), std::string::npos) << text;
  output.ClearProgress();
  text = written();
  EXPECT_EQ(text.substr(text.size() - 4), "\r\x1b[K");
}

TEST_F(Progress, ANewFileOrPassIsShownAtOnceHoweverFastTheRunIs) {
  // No time passes at all: only the limit on redrawing could hide these.
  progress.SetFileRange(100);
  progress.ShowFile("/data/first");
  progress.ShowPass(1, 3);
  progress.Advance(50);
  progress.ShowPass(2, 3);
  progress.ShowPass(2, 3);
  progress.SetFileRange(10);
  progress.ShowFile("/data/second");
  const std::string text = written();
  for (const char* line :
       {"\r/data/first  pass 1 of 3  0%", "\r/data/first  pass 2 of 3  50%", "\r/data/second"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << " in " << text;
  }
  EXPECT_EQ(text.find("/data/first  pass 2 of 3  50%"), text.rfind("/data/first  pass 2 of 3"));
}

TEST(CliOutput, ControlCharactersReachATerminalOnlyAsQuestionMarks) {
  TestFolder t;
  std::FILE* out = std::fopen((t / "out").c_str(), "w");
  std::FILE* err = std::fopen((t / "err").c_str(), "w");
  const std::string name = "/x/a\x1b]0;title\x07\n\xff.txt";
  {
    TCliOutput terminal(false, false, out, true, err, true);
    terminal.Result(name);
    terminal.Problem(name + ": kept");
  }
  std::fflush(out);
  std::fflush(err);
  EXPECT_EQ(readFileBytes(t / "out"), "/x/a?]0;title??\xff.txt\n");
  EXPECT_EQ(readFileBytes(t / "err"), "ferrovane-cli: /x/a?]0;title??\xff.txt: kept\n");

  // Into files and pipes the bytes go as they are.
  std::FILE* file = std::fopen((t / "file").c_str(), "w");
  {
    TCliOutput piped(false, false, file, false, err, false);
    piped.Result(name);
    piped.Progress("never shown");
  }
  std::fflush(file);
  EXPECT_EQ(readFileBytes(t / "file"), name + "\n");
  std::fclose(out);
  std::fclose(err);
  std::fclose(file);
}
