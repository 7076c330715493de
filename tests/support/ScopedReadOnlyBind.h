#pragma once
// A folder made read-only by binding it over itself with a read-only mount, for as long as the
// object lives: whatever lies in it can be read but not changed or deleted, by root too. The
// mount is made in the test program's own mount namespace (see ScopedMount), so no other
// process sees it; a test that cannot mount skips with reason().

#include <string>

class ScopedReadOnlyBind {
 public:
  explicit ScopedReadOnlyBind(const std::string& folder);
  ~ScopedReadOnlyBind();
  ScopedReadOnlyBind(const ScopedReadOnlyBind&) = delete;
  ScopedReadOnlyBind& operator=(const ScopedReadOnlyBind&) = delete;

  bool mounted() const { return mounted_; }
  // Why the folder could not be bound; empty when it was.
  const std::string& reason() const { return reason_; }

 private:
  std::string folder_;
  std::string reason_;
  bool mounted_ = false;
};
