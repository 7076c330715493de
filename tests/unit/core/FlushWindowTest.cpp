// The window of files whose flush goes on while the next files are written: it never holds
// more files or more bytes than it may, and a file larger than its byte limit never joins.

#include <gtest/gtest.h>

#include "core/TFlushWindow.h"

namespace {

TFlushingFile Flushing(std::uint64_t size) {
  TFlushingFile file;
  file.size = size;
  return file;
}

}  // namespace

TEST(FlushWindowTest, HoldsNoMoreFilesOrBytesThanItsLimits) {
  constexpr std::uint64_t most = TFlushWindow::kMostBytes;
  struct Case {
    const char* what;
    std::uint64_t size;
    std::size_t mostFiles;
    bool takes;
  };
  const Case cases[] = {
      {"a file of the byte limit", most, 8, true},
      {"a file one byte larger", most + 1, 8, false},
      {"a file of several GiB", std::uint64_t(5) << 30, 8, false},
      {"no window at all", 1, 0, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TFlushWindow::Takes(c.size, c.mostFiles), c.takes) << c.what;

  TFlushWindow window;
  EXPECT_TRUE(window.Fits(most, 8));
  window.Push(Flushing(most - 100));
  // What is left of the byte limit, and not a byte more.
  EXPECT_TRUE(window.Fits(100, 8));
  EXPECT_FALSE(window.Fits(101, 8));
  window.Push(Flushing(100));
  EXPECT_FALSE(window.Fits(1, 8));
  EXPECT_FALSE(window.Fits(0, 2));  // two files in a window of two
  // The oldest goes first and gives its bytes back.
  EXPECT_EQ(window.PopOldest().size, most - 100);
  EXPECT_TRUE(window.Fits(most - 100, 8));
  EXPECT_FALSE(window.Fits(most - 99, 8));
  EXPECT_EQ(window.PopOldest().size, 100u);
  EXPECT_TRUE(window.Empty());
}
