#pragma once
// The windows' clipboard: it holds something until it is emptied, and counts how often it was.
// With `failure` set, asking whether it holds anything throws with that reason, as a clipboard
// another program keeps does.

#include <stdexcept>
#include <string>

#include "cleaner/CleanerEnvironment.h"

class FakeClipboard : public IClipboard {
 public:
  int emptied = 0;
  bool holds = true;
  std::string failure;

  void Empty() override {
    ++emptied;
    holds = false;
  }
  bool HasContent() override {
    if (!failure.empty()) throw std::runtime_error(failure);
    return holds;
  }
};
