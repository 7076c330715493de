#pragma once
// A mover of file-system metadata that moves nothing: it records every request and answers as
// the test says, running the test's `during` first, while the run waits for the "move".

#include <functional>
#include <system_error>
#include <vector>

#include "platform/MetadataRelocation.h"

class FakeMetadataRelocator : public platform::MetadataRelocator {
 public:
  std::vector<platform::RelocationRequest> asked;
  std::error_code answer;
  std::function<void(const platform::RelocationRequest&)> during;

  platform::Status relocate(const platform::RelocationRequest& request) override {
    asked.push_back(request);
    if (during) during(request);
    return answer;
  }
};
