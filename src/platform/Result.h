#pragma once
// What a call of the platform layer gives back: a value, or the system's reason why there is
// none (errno as std::error_code), so that a failure can tell the user why.

#include <memory>
#include <optional>
#include <system_error>
#include <type_traits>
#include <utility>

namespace platform {

// Reasons of this layer's own, for failures the system has no error number for.
enum class FileError {
  Changed = 1,       // the entry is no longer the one that was listed (replaced, or a link now)
  NotAFile,          // not an ordinary file (a device, a pipe, a socket)
  Shared,            // the file has other hard links: its content belongs to other names too
  ReadOnly,          // the file is marked read-only (no owner write bit): it is not replaced
  NotOwn,            // not the caller's own: another user's file, or in a folder others may write
  Link,              // a symbolic link stood where a folder of the path was expected; not followed
  SystemFileSystem,  // it lies on a file system of the system (proc, sysfs, ...): never written
  MountPoint,        // it lies on another mount than the folder it was reached from: not entered
};
const std::error_category& fileErrorCategory();
inline std::error_code make_error_code(FileError error) {
  return {static_cast<int>(error), fileErrorCategory()};
}

}  // namespace platform

template <>
struct std::is_error_code_enum<platform::FileError> : std::true_type {};

namespace platform {

// The outcome of a call that gives nothing back but whether it worked. Tested as a bool (true
// when it worked): `if (!status)`. It is never dropped unseen: a caller that has no use for it
// says so with discardResult and a comment why.
class [[nodiscard]] Status {
 public:
  Status() = default;
  // A failure; an empty error_code means success.
  Status(std::error_code error) : error_(error) {}
  template <typename E, typename = std::enable_if_t<std::is_error_code_enum_v<E>>>
  Status(E error) : error_(make_error_code(error)) {}
  explicit operator bool() const { return !error_; }
  const std::error_code& error() const { return error_; }

 private:
  std::error_code error_;
};

// A value, or the reason why there is none. Used like std::optional (and converts to one).
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(std::error_code error) : error_(error) {}
  Result(std::nullopt_t) {}
  template <typename E, typename = std::enable_if_t<std::is_error_code_enum_v<E>>>
  Result(E error) : error_(make_error_code(error)) {}

  explicit operator bool() const { return value_.has_value(); }
  bool has_value() const { return value_.has_value(); }
  T& operator*() & { return *value_; }
  const T& operator*() const& { return *value_; }
  T&& operator*() && { return std::move(*value_); }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  template <typename U>
  T value_or(U&& fallback) const& {
    return value_.value_or(std::forward<U>(fallback));
  }
  // Why there is no value; empty when there is one.
  const std::error_code& error() const { return error_; }

  // Equal to a value when it holds that value, as std::optional is.
  template <typename U>
  bool operator==(const U& value) const {
    return value_.has_value() && *value_ == value;
  }

  operator std::optional<T>() const& { return value_; }
  operator std::optional<T>() && { return std::move(value_); }

 private:
  std::optional<T> value_;
  std::error_code error_;
};

// An object the caller owns (an open file or folder), or the reason why there is none. Used like
// the std::unique_ptr it holds.
template <typename T>
class [[nodiscard]] Result<std::unique_ptr<T>> {
 public:
  Result(std::unique_ptr<T> value) : value_(std::move(value)) {}
  template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Result(std::unique_ptr<U> value) : value_(std::move(value)) {}
  Result(std::error_code error) : error_(error) {}
  Result(std::nullptr_t) {}
  template <typename E, typename = std::enable_if_t<std::is_error_code_enum_v<E>>>
  Result(E error) : error_(make_error_code(error)) {}

  explicit operator bool() const { return value_ != nullptr; }
  T& operator*() const { return *value_; }
  T* operator->() const { return value_.get(); }
  T* get() const { return value_.get(); }
  void reset() { value_.reset(); }
  std::unique_ptr<T> release() { return std::move(value_); }
  const std::error_code& error() const { return error_; }

 private:
  std::unique_ptr<T> value_;
  std::error_code error_;
};

// Drops an outcome on purpose, where the caller has no use for it. Each use says beside it why
// a failure there changes nothing (a best-effort tidy-up whose failure the next run sets right,
// an outcome that a later check reports anyway).
template <typename T>
constexpr void discardResult(const T&) {}

}  // namespace platform
