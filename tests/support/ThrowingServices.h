#pragma once
// Services that fail a test the moment anything asks them: installed in place of the program's
// own, they show that code given other services never reaches for the installed ones. Every call
// raises std::logic_error naming what was asked.

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/WipeServices.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Journal.h"
#include "platform/Registry.h"

class ThrowingRegistry final : public platform::Registry {
 public:
  bool keyExists(platform::RegistryRoot, const std::string& key) override { fail(key); }
  platform::Status createKey(platform::RegistryRoot, const std::string& key) override { fail(key); }
  std::optional<std::vector<std::string>> subkeyNames(platform::RegistryRoot,
                                                      const std::string& key) override {
    fail(key);
  }
  std::optional<std::vector<std::string>> valueNames(platform::RegistryRoot,
                                                     const std::string& key) override {
    fail(key);
  }
  bool valueExists(platform::RegistryRoot, const std::string& key, const std::string&) override {
    fail(key);
  }
  std::optional<std::string> readString(platform::RegistryRoot, const std::string& key,
                                        const std::string&) override {
    fail(key);
  }
  std::optional<std::int32_t> readInteger(platform::RegistryRoot, const std::string& key,
                                          const std::string&) override {
    fail(key);
  }
  platform::Status writeString(platform::RegistryRoot, const std::string& key, const std::string&,
                               const std::string&) override {
    fail(key);
  }
  platform::Status writeInteger(platform::RegistryRoot, const std::string& key, const std::string&,
                                std::int32_t) override {
    fail(key);
  }
  platform::Status deleteValue(platform::RegistryRoot, const std::string& key,
                               const std::string&) override {
    fail(key);
  }
  platform::Status deleteKeyTree(platform::RegistryRoot, const std::string& key) override {
    fail(key);
  }
  std::string problem() override { fail("its problem"); }

 protected:
  void beginBatch() override { fail("a batch"); }
  platform::Status endBatch() override { fail("a batch"); }

 private:
  [[noreturn]] static void fail(const std::string& what) {
    throw std::logic_error("the installed registry was asked for " + what);
  }
};

class ThrowingFileSystem final : public platform::FileSystem {
 public:
  platform::Result<std::unique_ptr<platform::File>> openExisting(const std::string& p) override {
    fail(p);
  }
  platform::Result<std::unique_ptr<platform::File>> createAlways(const std::string& p) override {
    fail(p);
  }
  platform::Result<std::unique_ptr<platform::File>> createOwnFile(const std::string& p) override {
    fail(p);
  }
  platform::Result<std::unique_ptr<platform::Folder>> openFolder(const std::string& p) override {
    fail(p);
  }
  platform::Result<std::unique_ptr<platform::Folder>> openFolderWithoutLinks(
      const std::string& p) override {
    fail(p);
  }
  platform::Result<platform::FileInfo> info(const std::string& p) override { fail(p); }
  platform::Status setAttributes(const std::string& p, std::uint32_t) override { fail(p); }
  platform::Status rename(const std::string& p, const std::string&) override { fail(p); }
  platform::Status deleteFile(const std::string& p) override { fail(p); }
  platform::Status createFolder(const std::string& p) override { fail(p); }
  platform::Status removeFolder(const std::string& p) override { fail(p); }
  platform::Result<std::vector<platform::DirEntry>> listFolder(const std::string& p) override {
    fail(p);
  }
  platform::Result<std::string> readFile(const std::string& p, std::uint64_t) override { fail(p); }
  platform::Status writeFileAtomic(const std::string& p, const std::string&) override { fail(p); }
  platform::Result<platform::DiskSpace> diskSpace(const std::string& p) override { fail(p); }
  std::uint64_t keptBack(const std::string& p) override { fail(p); }
  std::optional<platform::FileIdentity> identity(const std::string& p) override { fail(p); }
  platform::Status discardFreeBlocks(const std::string& p, std::uint64_t, std::uint64_t) override {
    fail(p);
  }

 private:
  [[noreturn]] static void fail(const std::string& path) {
    throw std::logic_error("the installed file system was asked about " + path);
  }
};

class ThrowingJournals final : public platform::Journals {
 public:
  std::optional<std::uint64_t> volumeOf(const std::string& path) override { fail(path); }
  platform::JournalInfo inspect(const std::string& folder) override { fail(folder); }
  bool canEmpty(const std::string& folder) override { fail(folder); }
  platform::JournalOutcome clean(const platform::JournalRequest& request) override {
    fail(request.folder);
  }

 private:
  [[noreturn]] static void fail(const std::string& path) {
    throw std::logic_error("the installed journals were asked about " + path);
  }
};

class ThrowingWipeServices final : public IWipeServices {
 public:
  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine&) override { fail("a progress window"); }
  bool ConfirmWipeExecutable(const std::string& path) override { fail("the question on " + path); }
  void ProcessMessages() override { fail("its events"); }

 private:
  [[noreturn]] static void fail(const std::string& what) {
    throw std::logic_error("the installed wipe services were asked for " + what);
  }
};
