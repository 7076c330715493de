// Ferrovane: the program entry. The method catalogue starts before any window and is saved
// after the last one has gone.

#include <QApplication>
#include <QIcon>

#include "core/TWipeMethodsManager.h"
#include "dialogs/TfEditMethod.h"
#include "dialogs/TfMethodsForm.h"
#include "ui/ProgramResources.h"
#include "ui/QtCleanerEnvironment.h"
#include "ui/QtWipeServices.h"
#include "ui/TMainForm.h"
#include "ui/TfmItemProps.h"

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

    // What the engines ask of the windows: the progress window of each run, the question about
    // executables, the clipboard and the timers. Installed before the main window creates the
    // trace-cleaning engine, whose scheduler takes its timer at once.
    QtWipeServices wipeServices;
    const ScopedWipeServices installedWipeServices(wipeServices);
    QtCleanerEnvironment cleanerEnvironment;

    {
      TMainForm mainForm;
      TfmItemProps itemProps(&mainForm);
      // The progress window is made for each run by the wipe services.
      TfMethodsForm methodsForm(&mainForm);
      TfEditMethod editMethod(&mainForm);

      mainForm.show();
      result = QApplication::exec();
    }
  }

  FinishWipeMethodsManager();
  return result;
}
