// The registry store on Linux: a REGEDIT5 text file of the user, and the autostart folder for
// the Run key.

#include "platform/posix/RegistryStore.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <functional>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/posix/RegistryAutostart.h"
#include "platform/posix/RegistryTree.h"

namespace platform {
namespace {

using regstore::Key;
using regstore::Tree;
using regstore::Value;

constexpr std::array<std::string_view, 5> kRunNames = {"Software", "Microsoft", "Windows",
                                                       "CurrentVersion", "Run"};

// Where a key path lies relative to the Run key of the current user.
enum class RunRelation { None, Ancestor, Run, Below };

RunRelation relationToRun(RegistryRoot root, const std::vector<std::string>& names) {
  if (root != kCurrentUser) return RunRelation::None;
  const std::size_t common = std::min(names.size(), kRunNames.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (!regstore::equalsNoCase(names[i], kRunNames[i])) return RunRelation::None;
  }
  if (names.size() < kRunNames.size()) return RunRelation::Ancestor;
  return names.size() == kRunNames.size() ? RunRelation::Run : RunRelation::Below;
}

bool validRoot(RegistryRoot root) {
  return root == kCurrentUser || root == kLocalMachine;
}

// A key path taken apart: its names below the root and where it lies relative to the Run key.
struct KeyPath {
  std::vector<std::string> names;
  RunRelation relation;
};

std::optional<KeyPath> locate(RegistryRoot root, const std::string& key) {
  if (!validRoot(root)) return std::nullopt;
  auto names = regstore::splitKeyPath(key);
  if (!names) return std::nullopt;
  const RunRelation relation = relationToRun(root, *names);
  return KeyPath{std::move(*names), relation};
}

// How every call of the store begins: the key path is taken apart, and a path that names no key
// of a known root, or a key below the Run key (there is none), gives `none`. The Run key itself
// is answered by `onRun` from the autostart folder; every other key by `onStored` from the stored
// tree, given the key's names and where it lies relative to the Run key.
template <typename R, typename OnRun, typename OnStored>
R dispatchKey(RegistryRoot root, const std::string& key, R none, OnRun&& onRun,
              OnStored&& onStored) {
  const std::optional<KeyPath> path = locate(root, key);
  if (!path || path->relation == RunRelation::Below) return none;
  if (path->relation == RunRelation::Run) return onRun();
  return onStored(path->names, path->relation);
}

using Names = std::vector<std::string>;
using NameList = std::optional<std::vector<std::string>>;

bool validNewName(const std::string& name) {
  return !name.empty() && name.size() <= regstore::kMaxKeyNameLength &&
         name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

// What identifies one version of the store file on disk.
struct Stamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modified = 0;
  std::int64_t changed = 0;
  bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> stampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Stamp{};
    return std::nullopt;
  }
  Stamp stamp;
  stamp.exists = true;
  stamp.device = st.st_dev;
  stamp.inode = st.st_ino;
  stamp.size = st.st_size;
  stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  stamp.changed = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
  return stamp;
}

}  // namespace

struct RegistryStore::State {
  bool fixedPaths = false;
  std::uint64_t maxBytes = RegistryStore::kMaxStoreBytes;
  std::string storePath;
  std::string autostartFolder;

  std::string loadedPath;
  bool loaded = false;
  Stamp stamp;
  std::unique_ptr<Tree> tree = std::make_unique<Tree>();
  std::string problem;
  std::string refused;  // why the last change was refused, until a change is stored
  int loads = 0;
  int saves = 0;
  int batchDepth = 0;
  bool batchChanged = false;  // the open batch holds changes not written yet
};

RegistryStore::RegistryStore() : state_(std::make_unique<State>()) {}

RegistryStore::RegistryStore(std::string storePath, std::string autostartFolder,
                             std::uint64_t maxBytes)
    : state_(std::make_unique<State>()) {
  state_->fixedPaths = true;
  state_->maxBytes = maxBytes;
  state_->storePath = std::move(storePath);
  state_->autostartFolder = withTrailingSeparator(autostartFolder);
}

RegistryStore::~RegistryStore() = default;

std::string RegistryStore::storePath() const {
  if (state_->fixedPaths) return state_->storePath;
  const std::string config = configFolder();
  return config.empty() ? std::string() : config + "ferrovane/registry.reg";
}

std::string RegistryStore::autostartFolder() const {
  if (state_->fixedPaths) return state_->autostartFolder;
  const std::string config = configFolder();
  return config.empty() ? std::string() : config + "autostart/";
}

int RegistryStore::loadCount() const {
  return state_->loads;
}

RegistryStore::State& RegistryStore::current() {
  State& s = *state_;
  const std::string path = storePath();
  if (path.empty()) {
    s.loaded = false;
    s.tree = std::make_unique<Tree>();
    s.problem = "The registry store has no place: the user's configuration folder is unknown.";
    return s;
  }
  // Changes of an open batch live only here until it ends.
  if (s.batchChanged) return s;
  std::optional<Stamp> stamp = stampOf(path);
  const int stampError = errno;
  if (s.loaded && stamp && s.loadedPath == path && *stamp == s.stamp) return s;
  s.tree = std::make_unique<Tree>();
  s.problem.clear();
  s.loadedPath = path;
  s.loaded = stamp.has_value();
  s.stamp = stamp.value_or(Stamp{});
  ++s.loads;
  // Named as every stored file that cannot be used is: the file, why, and what is used instead.
  const auto unreadable = [&](const std::string& reason) {
    return path + ": could not be read (" + reason +
           "); an empty registry is used, and the file is left as it is and not written to until "
           "it is repaired or removed";
  };
  if (!stamp) {
    s.problem = unreadable("it cannot be examined: " +
                           std::error_code(stampError, std::generic_category()).message());
    return s;
  }
  if (!stamp->exists) return s;
  Result<std::string> text = fs().readFile(path, s.maxBytes);
  if (!text) {
    s.problem = unreadable(text.error().message());
    return s;
  }
  regstore::ParseResult parsed = regstore::parseText(*text);
  if (!parsed.tree) {
    s.problem = unreadable("damaged at line " + std::to_string(parsed.line) + ": " + parsed.reason);
    return s;
  }
  s.tree = std::move(parsed.tree);
  return s;
}

int RegistryStore::saveCount() const {
  return state_->saves;
}

void RegistryStore::beginBatch() {
  ++state_->batchDepth;
}

Status RegistryStore::endBatch() {
  State& s = *state_;
  if (s.batchDepth == 0 || --s.batchDepth > 0 || !s.batchChanged) return {};
  s.batchChanged = false;
  Status saved = save();
  if (!saved) s.loaded = false;  // the batch's changes are dropped: the file is read again
  return saved;
}

Status RegistryStore::save() {
  State& s = *state_;
  if (s.batchDepth > 0) {
    s.batchChanged = true;
    return {};
  }
  ++s.saves;
  const std::string path = storePath();
  std::optional<std::string> text = regstore::toText(*s.tree, s.maxBytes);
  if (!text) {
    // The store could not be read back with the change: the change is dropped (the file is
    // read again) and the file stays as it is.
    s.refused = "The registry store \"" + path + "\" would grow past " +
                std::to_string(s.maxBytes) +
                " bytes, the most it can read back; the change was refused and the file left as it "
                "is.";
    s.loaded = false;
    return RegistryError::StoreTooLarge;
  }
  Status written;
  if (path.empty()) {
    written = RegistryError::NoStore;
  } else if (path != s.loadedPath) {
    // The configuration folder moved since the store was read: the tree is not the file's.
    written = RegistryError::StoreUnreadable;
  } else {
    written = platform::ensureFolder(parentFolderOf(path));
    if (written) written = fs().writeFileAtomic(path, *text);
  }
  std::optional<Stamp> stamp = written ? stampOf(path) : std::nullopt;
  if (written) s.refused.clear();
  if (!stamp) {
    s.loaded = false;  // read the file again before the next use
    return written;
  }
  s.stamp = *stamp;
  return {};
}

namespace {

// A stored key, or null.
Key* storedKey(Tree& tree, RegistryRoot root, const std::vector<std::string>& names) {
  return validRoot(root) ? tree.find(root, names) : nullptr;
}

// The stored key, created with the keys above it.
Key* createStored(Tree& tree, RegistryRoot root, const std::vector<std::string>& names) {
  if (!validRoot(root) || names.size() > regstore::kMaxKeyDepth) return nullptr;
  Key* key = tree.root(root);
  for (const std::string& name : names) {
    Key* child = key->child(name);
    if (!child) {
      if (!validNewName(name)) return nullptr;
      child = &key->ensureChild(name);
    }
    key = child;
  }
  return key;
}

}  // namespace

bool RegistryStore::keyExists(RegistryRoot root, const std::string& key) {
  regstore::AutostartFolder autostart(autostartFolder());
  return dispatchKey(
      root, key, false, [&] { return autostart.exists(); },
      [&](const Names& names, RunRelation relation) {
        if (relation == RunRelation::Ancestor && autostart.exists()) return true;
        return storedKey(*current().tree, root, names) != nullptr;
      });
}

Status RegistryStore::createKey(RegistryRoot root, const std::string& key) {
  return dispatchKey(
      root, key, Status(RegistryError::BadPath),
      [&]() -> Status {
        const std::string folder = autostartFolder();
        if (folder.empty()) return RegistryError::NoStore;
        return platform::ensureFolder(folder.substr(0, folder.size() - 1));
      },
      [&](const Names& names, RunRelation) -> Status {
        Status why;
        State* s = changeable(why);
        if (!s) return why;
        if (storedKey(*s->tree, root, names)) return {};
        if (!createStored(*s->tree, root, names)) return RegistryError::BadName;
        return save();
      });
}

NameList RegistryStore::subkeyNames(RegistryRoot root, const std::string& key) {
  regstore::AutostartFolder autostart(autostartFolder());
  return dispatchKey(
      root, key, NameList(),
      [&]() -> NameList {
        if (!autostart.exists()) return std::nullopt;
        return Names{};
      },
      [&](const Names& names, RunRelation relation) -> NameList {
        Key* stored = storedKey(*current().tree, root, names);
        Names result;
        if (stored) result = stored->childNames();
        if (relation == RunRelation::Ancestor && autostart.exists()) {
          const std::string next(kRunNames[names.size()]);
          if (!stored || !stored->child(next)) {
            result.push_back(next);
            std::sort(result.begin(), result.end(), [](const std::string& a, const std::string& b) {
              return regstore::foldCase(a) < regstore::foldCase(b);
            });
          }
          return result;
        }
        if (!stored) return std::nullopt;
        return result;
      });
}

NameList RegistryStore::valueNames(RegistryRoot root, const std::string& key) {
  regstore::AutostartFolder autostart(autostartFolder());
  return dispatchKey(
      root, key, NameList(),
      [&]() -> NameList {
        if (!autostart.exists()) return std::nullopt;
        return autostart.valueNames();
      },
      [&](const Names& names, RunRelation relation) -> NameList {
        Key* stored = storedKey(*current().tree, root, names);
        if (!stored) {
          if (relation == RunRelation::Ancestor && autostart.exists()) return Names{};
          return std::nullopt;
        }
        Names result;
        for (const Value& value : stored->values()) result.push_back(value.name);
        return result;
      });
}

bool RegistryStore::valueExists(RegistryRoot root, const std::string& key,
                                const std::string& name) {
  return dispatchKey(
      root, key, false,
      [&] { return regstore::AutostartFolder(autostartFolder()).read(name).has_value(); },
      [&](const Names& names, RunRelation) {
        Key* stored = storedKey(*current().tree, root, names);
        return stored && stored->value(name);
      });
}

std::optional<std::string> RegistryStore::readString(RegistryRoot root, const std::string& key,
                                                     const std::string& name) {
  using Text = std::optional<std::string>;
  return dispatchKey(
      root, key, Text(), [&] { return regstore::AutostartFolder(autostartFolder()).read(name); },
      [&](const Names& names, RunRelation) -> Text {
        Key* stored = storedKey(*current().tree, root, names);
        const Value* value = stored ? stored->value(name) : nullptr;
        if (!value || value->type != Value::Type::String) return std::nullopt;
        return value->text;
      });
}

std::optional<std::int32_t> RegistryStore::readInteger(RegistryRoot root, const std::string& key,
                                                       const std::string& name) {
  using Number = std::optional<std::int32_t>;
  return dispatchKey(
      root, key, Number(), [] { return Number(); },
      [&](const Names& names, RunRelation) -> Number {
        Key* stored = storedKey(*current().tree, root, names);
        const Value* value = stored ? stored->value(name) : nullptr;
        if (!value || value->type != Value::Type::Integer) return std::nullopt;
        return static_cast<std::int32_t>(value->number);
      });
}

RegistryStore::State* RegistryStore::changeable(Status& why) {
  State& s = current();
  if (s.problem.empty()) return &s;
  why = storePath().empty() ? RegistryError::NoStore : RegistryError::StoreUnreadable;
  return nullptr;
}

namespace {

// The stored key that a value may be written to: an existing one, or one of the keys above the
// Run key while the autostart folder makes it exist.
Key* writableKey(Tree& tree, RegistryRoot root, const std::vector<std::string>& names,
                 RunRelation relation, const std::string& autostartFolder) {
  Key* key = storedKey(tree, root, names);
  if (!key && relation == RunRelation::Ancestor &&
      regstore::AutostartFolder(autostartFolder).exists()) {
    key = createStored(tree, root, names);
  }
  return key;
}

}  // namespace

Status RegistryStore::writeValue(RegistryRoot root, const std::string& key, Value value) {
  return dispatchKey(
      root, key, Status(RegistryError::BadPath),
      [&]() -> Status {
        // The autostart folder holds texts only.
        if (value.type != Value::Type::String) return RegistryError::NotText;
        return regstore::AutostartFolder(autostartFolder()).write(value.name, value.text);
      },
      [&](const Names& names, RunRelation relation) -> Status {
        Status why;
        State* s = changeable(why);
        if (!s) return why;
        Key* target = writableKey(*s->tree, root, names, relation, autostartFolder());
        if (!target) return RegistryError::NoKey;
        target->setValue(std::move(value));
        return save();
      });
}

Status RegistryStore::writeString(RegistryRoot root, const std::string& key,
                                  const std::string& name, const std::string& value) {
  Value stored;
  stored.name = name;
  stored.type = Value::Type::String;
  stored.text = value;
  return writeValue(root, key, std::move(stored));
}

Status RegistryStore::writeInteger(RegistryRoot root, const std::string& key,
                                   const std::string& name, std::int32_t value) {
  Value stored;
  stored.name = name;
  stored.type = Value::Type::Integer;
  stored.number = static_cast<std::uint32_t>(value);
  return writeValue(root, key, std::move(stored));
}

Status RegistryStore::deleteValue(RegistryRoot root, const std::string& key,
                                  const std::string& name) {
  return dispatchKey(
      root, key, Status(RegistryError::BadPath),
      [&] { return regstore::AutostartFolder(autostartFolder()).remove(name); },
      [&](const Names& names, RunRelation relation) -> Status {
        Status why;
        State* s = changeable(why);
        if (!s) return why;
        Key* stored = storedKey(*s->tree, root, names);
        if (!stored) {
          if (relation == RunRelation::Ancestor && keyExists(root, key)) return {};
          return RegistryError::NoKey;
        }
        if (!stored->removeValue(name)) return {};
        return save();
      });
}

Status RegistryStore::deleteKeyTree(RegistryRoot root, const std::string& key) {
  // A root is never deleted, and the autostart folder is the desktop's, not this store's.
  return dispatchKey(
      root, key, Status(RegistryError::BadPath), [] { return Status(RegistryError::BadPath); },
      [&](const Names& names, RunRelation) -> Status {
        if (names.empty()) return RegistryError::BadPath;
        Status why;
        State* s = changeable(why);
        if (!s) return why;
        const Names parentNames(names.begin(), names.end() - 1);
        Key* parent = storedKey(*s->tree, root, parentNames);
        if (!parent || !parent->removeChild(names.back())) return RegistryError::NoKey;
        return save();
      });
}

std::string RegistryStore::problem() {
  const State& s = current();
  return s.problem.empty() ? s.refused : s.problem;
}

}  // namespace platform
