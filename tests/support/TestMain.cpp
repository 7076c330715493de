// The entry of every unit-test program: the tests run confined to their own folders.

#include <gtest/gtest.h>

#include "support/Confinement.h"
#include "support/TestFolder.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // What an earlier run left when it crashed goes now.
  TestFolder::removeLeftovers();
  TestConfinement confinement;
  return RUN_ALL_TESTS();
}
