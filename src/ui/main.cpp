// Ferrovane: the program entry. The method catalogue starts before any window and is saved
// after the last one has gone.

#include <QApplication>
#include <QIcon>
#include <memory>

#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/TfEditMethod.h"
#include "dialogs/TfMethodsForm.h"
#include "ui/ProgramResources.h"
#include "ui/PromptService.h"
#include "ui/QtWipeServices.h"
#include "ui/TMainForm.h"
#include "ui/TfmAddReg.h"
#include "ui/TfmItemProps.h"
#include "ui/TfmShowFiles.h"

namespace {

// Owns the three wipe engines of the pages, each with the method the catalogue chose for it.
struct StandaloneEngines {
  StandaloneEngines() {
    for (TWipeEngine* engine : {&WipeFiles, &WipeFolders, &WipeFreeSpace}) {
      engine->Method = WipeMethodsManager->MethodForEngine(*engine);
    }
  }
  TWipeEngineSet Set() { return {&WipeFiles, &WipeFolders, &WipeFreeSpace}; }

  TWipeEngine WipeFiles{"WipeFiles"};
  TWipeEngine WipeFolders{"WipeFolders"};
  TWipeEngine WipeFreeSpace{"WipeFreeSpace"};
};

}  // namespace

int main(int argc, char* argv[]) {
  StartWipeMethodsManager();

  int result = 0;
  {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ferrovane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ferrovane"));
    QApplication::setDesktopFileName(QStringLiteral("ferrovane"));
    InitProgramResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ferrovane.svg")));

    // The progress window is made per run by the factory; without one a run shows none.
    QtWipeServices wipeServices;
    SetWipeServices(&wipeServices);

    StandaloneEngines engines;
    TMainForm mainForm(engines.Set());
    TfmItemProps itemProps(&mainForm);
    TfmShowFiles showFiles(&mainForm);
    TfmAddReg addReg(&mainForm);
    TfMethodsForm methodsForm(&mainForm);
    TfEditMethod editMethod(&mainForm);

    mainForm.show();
    result = QApplication::exec();
    SetWipeServices(nullptr);
  }

  FinishWipeMethodsManager();
  return result;
}
