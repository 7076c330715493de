#pragma once
// A user service manager that only records what it is asked: whether it runs is set by the
// test, every control call is kept, and a call can be made to fail with a message.

#include <string>
#include <vector>

#include "platform/UserServices.h"

class FakeUserServices final : public platform::UserServices {
 public:
  explicit FakeUserServices(bool running = true) : Running(running) {}
  bool running() override { return Running; }
  std::string control(const std::vector<std::string>& arguments) override {
    std::string call;
    for (const std::string& word : arguments) call += (call.empty() ? "" : " ") + word;
    Calls.push_back(call);
    return call.find(FailOn.empty() ? std::string("\n") : FailOn) != std::string::npos ? Failure
                                                                                       : "";
  }

  bool Running;
  std::vector<std::string> Calls;  // the arguments of each call, blank-separated
  std::string FailOn;              // a call holding this text fails with Failure
  std::string Failure = "Failed to connect to bus";
};
