#pragma once
// What a main-window test needs: its own temporary folder (program, temporary and settings
// folders inside it), scripted prompts, a drive table read from its own mountinfo file, three
// wipe engines and the window built over them.

#include <QTreeWidget>
#include <memory>
#include <string>

#include "core/TWipeEngine.h"
#include "platform/Drives.h"
#include "support/TestFolder.h"
#include "ui/TMainForm.h"
#include "ui/TPathRow.h"
#include "ScriptedPrompts.h"

class MainFormFixture {
 public:
  // mountInfo: the drive table the window sees (none by default).
  explicit MainFormFixture(const std::string& mountInfo = {}) {
    folder.write("mountinfo", mountInfo);
    folder.makeFolder("sys");
    platform::setDriveTable(platform::DriveTable(folder / "mountinfo", folder / "sys"));
  }
  ~MainFormFixture() {
    form_.reset();
    platform::setDriveTable(platform::DriveTable());
  }

  TMainForm& form() {
    if (!form_) form_ = std::make_unique<TMainForm>(TWipeEngineSet{&files, &folders, &freeSpace});
    return *form_;
  }
  template <typename T>
  T* find(const char* name) {
    return form().findChild<T*>(QString::fromLatin1(name));
  }
  // The bytes of the paths a list shows, in row order.
  std::vector<std::string> rowPaths(const char* list) {
    std::vector<std::string> paths;
    QTreeWidget* view = find<QTreeWidget>(list);
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
      paths.push_back(static_cast<TPathRow*>(view->topLevelItem(i))->Path);
    }
    return paths;
  }
  static std::vector<std::string> itemPaths(const TWipeEngine& engine) {
    std::vector<std::string> paths;
    for (const auto& item : engine.Items) paths.push_back(item->Path);
    return paths;
  }

  TestFolder folder;
  ScriptedPrompts prompts;
  TWipeEngine files{"WipeFiles"};
  TWipeEngine folders{"WipeFolders"};
  TWipeEngine freeSpace{"WipeFreeSpace"};

 private:
  std::unique_ptr<TMainForm> form_;
};

// Stands in for a run the way the engine's run begins: the stop flag and the failures of the
// last run are cleared; then the test's own steps follow.
template <typename Steps>
TMainForm::TEngineRunner fakeRun(Steps steps) {
  return [steps](TWipeEngine& engine) {
    engine.Aborted = false;
    engine.Failures.clear();
    steps(engine);
  };
}

// A mountinfo line for a mount point (escaped as mountinfo does for blanks).
inline std::string mountLine(int id, const std::string& device, const std::string& point,
                             const std::string& type) {
  std::string escaped;
  for (char c : point) escaped += c == ' ' ? std::string("\\040") : std::string(1, c);
  return std::to_string(id) + " 1 " + device + " / " + escaped + " rw,relatime shared:1 - " +
         type + " /dev/test" + std::to_string(id) + " rw\n";
}
