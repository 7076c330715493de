#pragma once
// A temporary folder of one test, removed with everything in it when the test ends. While it
// lives, the program folder, the temporary folder and the configuration folder of the program
// are folders inside it, so no test ever reads or writes the user's real ones.

#include <cstdint>
#include <string>

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The start of every test folder's path ("/tmp/ferrovane-test-").
  static std::string prefix();

  // The folder itself, with trailing separator.
  const std::string& path() const { return path_; }
  // A path inside the folder.
  std::string operator/(const std::string& relative) const { return path_ + relative; }

  std::string programFolder() const { return path_ + "program/"; }
  std::string methodsFolder() const { return programFolder() + "Methods/"; }
  std::string tempFolder() const { return path_ + "temp/"; }
  std::string configFolder() const { return path_ + "config/"; }

  // Writes a file (creating its folders) and returns its path.
  std::string write(const std::string& relative, const std::string& contents) const;
  // Creates a folder (and its parents) and returns its path.
  std::string makeFolder(const std::string& relative) const;

 private:
  std::string path_;
};

// Reads a whole file; empty when it cannot be read.
std::string readFileBytes(const std::string& path);
// True when something (a file, folder or link) exists at the path.
bool pathExists(const std::string& path);
