// The stand-in for the window's wipe services that the engine, cleaner and window tests share:
// steps given for one event handling run there once, in the middle of a run, and never again.

#include "support/FakeWipeServices.h"

#include <gtest/gtest.h>

TEST(FakeWipeServices, StepsForOneEventHandlingRunOnceAndTheStandingStepEveryTime) {
  FakeWipeServices services;
  int once = 0;
  int every = 0;
  services.onProcess = [&] { ++every; };
  services.processOnce([&] {
    ++once;
    services.ProcessMessages();  // steps that handle events themselves do not run again
  });
  services.ProcessMessages();
  services.ProcessMessages();
  EXPECT_EQ(once, 1);
  EXPECT_EQ(every, 3);
  EXPECT_EQ(services.processed, 3);
}
