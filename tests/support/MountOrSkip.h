#pragma once
// The one way a test goes on with the file system it mounted, or skips saying why: its fixture
// mounts the image it made (ScopedMount) and answers with MountProblem; MOUNT_OR_SKIP skips the
// test with that reason.

#include <gtest/gtest.h>

#include <string>

class ScopedMount;

// Why the test cannot put its files in `work` (a folder to make on the mounted file system): the
// mount's own reason, a mount that did not take (the point still on the file system of the
// folder that holds it, where the test would write on the machine's disk), or a work folder that
// could not be made; empty when it can go on. With no `work`, none is made: the test works at the
// mount point itself.
std::string MountProblem(const ScopedMount& mount, const std::string& work);

// Skips the test, with the reason, unless `mounting` (an expression whose value is the answer of
// MountProblem) is empty.
#define MOUNT_OR_SKIP(mounting)                                           \
  if (const std::string mountProblem = (mounting); !mountProblem.empty()) \
  GTEST_SKIP() << mountProblem
