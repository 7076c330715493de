#pragma once
// What the tests of the method dialogs share: a test folder whose Methods folder holds the
// test's methods, the catalogue loaded from it (installed in place of the one before), the three
// engines of the pages, scripted prompts, and a way to act in a dialog that runs its own event
// loop.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/TIniFile.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeServices.h"
#include "support/Confinement.h"
#include "support/FakePrompts.h"
#include "support/FakeWipeServices.h"
#include "support/TestFolder.h"

// The text of a method file whose passes write the bytes 1, 2, ... and are named p1, p2, ...;
// described as "About <name>" unless a description is given.
inline std::string MethodFileText(const std::string& name, int passes,
                                  const std::string& description = {}) {
  std::string text = "[Method]\nName=" + name +
                     "\nDescription=" + (description.empty() ? "About " + name : description) +
                     "\nPasses=" + std::to_string(passes) + "\n";
  for (int n = 1; n <= passes; ++n) {
    const std::string number = std::to_string(n);
    text +=
        "[Pass" + number + "]\nName=p" + number + "\nWipeWith=0\nBytePatternValue=" + number + "\n";
  }
  return text;
}

// Runs the steps in the next dialog of the type that opens modally, once its event loop runs.
// A dialog of another type is closed and fails the test, so that nothing waits for ever.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog&)> steps) {
  QTimer::singleShot(0, [steps] {
    QWidget* open = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<Dialog*>(open);
    if (!dialog) {
      if (auto* other = qobject_cast<QDialog*>(open)) other->reject();
      QFAIL("the expected dialog did not open");
    }
    steps(*dialog);
  });
}

class MethodsFixture {
 public:
  // files: names in the Methods folder and their texts, loaded in name order; settings: the
  // text of Ferrovane.ini.
  explicit MethodsFixture(const std::vector<std::pair<std::string, std::string>>& files,
                          const std::string& settings = {}) {
    folder.makeFolder("program/Methods");
    for (const auto& [name, text] : files) folder.write("program/Methods/" + name, text);
    if (!settings.empty()) folder.write("program/Ferrovane.ini", settings);
    catalogue_ = StartWipeMethodsManager();
  }
  MethodsFixture(const MethodsFixture&) = delete;
  MethodsFixture& operator=(const MethodsFixture&) = delete;

  TWipeMethodsManager& catalogue() { return *catalogue_; }
  std::vector<TWipeEngine*> engines() { return {&files, &folders, &freeSpace}; }
  // The loaded method of that name; null when there is none.
  TWipeMethod* method(const std::string& name) {
    for (const auto& m : catalogue().Methods) {
      if (m->Name == name) return m.get();
    }
    return nullptr;
  }
  std::vector<std::string> methodNames() {
    std::vector<std::string> names;
    for (const auto& m : catalogue().Methods) names.push_back(m->Name);
    return names;
  }
  // The "Engines" entry of the engine in Ferrovane.ini; "-" when there is none.
  std::string entry(const std::string& engine) {
    return TIniFile(TWipeMethodsManager::SettingsFileName()).ReadString("Engines", engine, "-");
  }
  std::string methodPath(const std::string& name) { return folder.methodsFolder() + name; }

  TestConfinement confinement;
  TestFolder folder;
  FakePrompts prompts;
  TWipeEngine files{"WipeFiles"};
  TWipeEngine folders{"WipeFolders"};
  TWipeEngine freeSpace{"WipeFreeSpace"};

 private:
  std::unique_ptr<TWipeMethodsManager> catalogue_;
};
