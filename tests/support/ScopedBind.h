#pragma once
// A file or folder bound at another place (a file over a file, a folder over a folder), or a
// mount moved there, for as long as the object lives; a moved mount goes back where it was. The
// mount is made in the test program's own mount namespace (see ScopedMount), so no other process
// sees it; a test that cannot mount skips with reason().

#include <string>

class ScopedBind {
 public:
  enum class Way { Bind, Move };

  ScopedBind(const std::string& source, const std::string& point, Way way = Way::Bind);
  ~ScopedBind();
  ScopedBind(const ScopedBind&) = delete;
  ScopedBind& operator=(const ScopedBind&) = delete;

  bool mounted() const { return mounted_; }
  // Why nothing could be mounted at the point; empty when it was.
  const std::string& reason() const { return reason_; }

 private:
  std::string source_;
  std::string point_;
  Way way_;
  std::string reason_;
  bool mounted_ = false;
};
