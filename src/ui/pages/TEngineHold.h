#pragma once
// Holds wipe engines for one run of a page, from its first step to its last: while the hold
// lives, no other page starts them or changes their jobs (see TPageHost::HoldEngine).

#include <initializer_list>
#include <vector>

#include "ui/pages/TPageHost.h"

class TEngineHold {
 public:
  TEngineHold(TPageHost& host, std::initializer_list<const TWipeEngine*> engines)
      : host_(host), engines_(engines) {
    for (const TWipeEngine* engine : engines_) host_.HoldEngine(*engine, true);
  }
  ~TEngineHold() {
    for (const TWipeEngine* engine : engines_) host_.HoldEngine(*engine, false);
  }
  TEngineHold(const TEngineHold&) = delete;
  TEngineHold& operator=(const TEngineHold&) = delete;

 private:
  TPageHost& host_;
  std::vector<const TWipeEngine*> engines_;
};
