// The entry of every unit-test program: the tests run confined to their own folders.

#include <gtest/gtest.h>

#include "support/Confinement.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  TestConfinement confinement;
  return RUN_ALL_TESTS();
}
