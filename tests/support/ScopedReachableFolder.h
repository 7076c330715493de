#pragma once
// Lets every user reach a test folder, for a test whose child process goes on as another user
// (DropPrivileges.h): where a folder above it may not be passed through by others (a TMPDIR of
// mode 0700), the test program's own mount namespace (see ScopedMount) gets a tmpfs over the
// topmost such folder, holding only the way down to the test folder, and the test folder is bound
// back at its place with whatever is mounted in it. Every path stays as it was; no other process
// sees a change, and nothing outside the test folder is changed. The view is put back when the
// object ends. The test folder itself must let others pass (its own mode is the test's choice).

#include <string>

class ScopedReachableFolder {
 public:
  explicit ScopedReachableFolder(const std::string& folder);
  ~ScopedReachableFolder();
  ScopedReachableFolder(const ScopedReachableFolder&) = delete;
  ScopedReachableFolder& operator=(const ScopedReachableFolder&) = delete;

  // Whether others may reach the folder now; reason() says why not.
  bool reachable() const { return reason_.empty(); }
  const std::string& reason() const { return reason_; }

 private:
  std::string covered_;  // the folder the tmpfs lies over; empty when none was needed
  std::string reason_;
};
