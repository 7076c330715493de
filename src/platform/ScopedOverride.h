#pragma once
// The one way a replaceable service is replaced for a while: every service of the program (the
// file system, the registry, the drive table, the folders, the journals, the wipe services, the
// prompts, the shell handlers, the cleaner's environment) is installed by a setter that returns
// the value it replaces, and ScopedOverride<&setter> installs a value for the lifetime of the
// object and then puts back exactly the value that was there before, never a default. Scopes
// must end in the reverse order of their start, as C++ objects do.
//
//   platform::ScopedFileSystem files(faulty);            // a service installed by pointer
//   platform::ScopedTempFolder temp(folder / "temp/");   // a value

#include <type_traits>
#include <utility>

namespace platform {

template <typename Setter>
struct SetterTraits;

template <typename Value, typename Argument>
struct SetterTraits<Value (*)(Argument)> {
  static_assert(std::is_same_v<Value, std::decay_t<Argument>>,
                "a setter takes the value it installs and returns the one it replaced");
  using Type = Value;
};

template <auto Set>
class ScopedOverride {
 public:
  using Value = typename SetterTraits<decltype(Set)>::Type;

  explicit ScopedOverride(Value value) : previous_(Set(std::move(value))) {}
  // A service installed by pointer is given as the object itself; the caller keeps ownership.
  template <typename Object, typename V = Value,
            typename = std::enable_if_t<std::is_pointer_v<V> && std::is_convertible_v<Object*, V>>>
  explicit ScopedOverride(Object& object) : ScopedOverride(static_cast<Value>(&object)) {}
  ~ScopedOverride() { Set(std::move(previous_)); }
  ScopedOverride(const ScopedOverride&) = delete;
  ScopedOverride& operator=(const ScopedOverride&) = delete;

  // What was installed before this scope began (what it puts back).
  const Value& previous() const { return previous_; }

 private:
  Value previous_;
};

}  // namespace platform
