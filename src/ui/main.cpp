// Ferrovane: the program entry. A start while a window of the user runs hands its request to
// that window and ends; otherwise the method catalogue starts before any window, and the settings
// the user changed are saved after the last window has gone (methods are saved when edited). Where
// no display can be opened, the program says so and ends.

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/SettingsFolder.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/Folders.h"
#include "platform/MessageCatalogue.h"
#include "ui/DisplayCheck.h"
#include "ui/ProgramResources.h"
#include "ui/ProgramTranslations.h"
#include "ui/QtCleanerEnvironment.h"
#include "ui/QtWipeServices.h"
#include "ui/TMainForm.h"
#include "ui/TRunNotifier.h"
#include "ui/TSingleInstance.h"
#include "ui/TWindowRequest.h"
#include "ui/TfmItemProps.h"

namespace {

void NameApplication() {
  QApplication::setApplicationName(QStringLiteral("Ferrovane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Ferrovane"));
  QApplication::setDesktopFileName(QStringLiteral("ferrovane"));
  InitProgramResources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ferrovane.svg")));
}

QString FromLocal(const std::string& text) {
  return QString::fromLocal8Bit(text.c_str());
}

// Said once, at start: a settings folder that could not be prepared, and values of the settings
// file that the wipes do not use.
void ReportStartProblems(const TSettingsChoice& settings, const TWipeMethodsManager& catalogue) {
  if (!settings.Problems.empty()) {
    QStringList problems;
    for (const std::string& problem : settings.Problems) problems << FromLocal(problem);
    Prompts().DetailedMessage(TReportKind::Warning,
                              QCoreApplication::translate(
                                  "main",
                                  "The settings folder could not be prepared: changed settings and "
                                  "methods may not be saved."),
                              FromLocal(settings.Folder), problems.join(QLatin1Char('\n')));
  }
  if (!catalogue.SettingsProblems.empty() || !catalogue.LoadProblem.empty()) {
    QStringList unusable;
    if (!catalogue.LoadProblem.empty()) {
      unusable << QCoreApplication::translate("main",
                                              "The methods and settings could not all be read: %1")
                      .arg(FromLocal(catalogue.LoadProblem));
    }
    for (const std::string& problem : catalogue.SettingsProblems) unusable << FromLocal(problem);
    Prompts().MessageDialog(TMessageKind::Warning, unusable.join(QLatin1Char('\n')));
  }
}

// The main window, from its start to the end of the event loop: what this start was given, then
// what later starts hand over.
int RunMainWindow(TWipeMethodsManager& catalogue, const TSettingsChoice& settings,
                  const TWindowRequest& request, TSingleInstance& instance) {
  // A long run that ends while the window is behind others is told on the desktop.
  TRunNotifier runNotifier;
  TMainForm::Seams seams;
  seams.notifier = &runNotifier;
  TMainForm mainForm(catalogue, std::move(seams));
  TfmItemProps itemProps(&mainForm);
  // The progress window is made for each run by the wipe services; the method dialogs by
  // the main window.
  mainForm.show();
  ReportStartProblems(settings, catalogue);
  if (!request.Empty()) mainForm.TakeRequest(request);
  instance.SetHandler([&mainForm](const TWindowRequest& later) { mainForm.TakeRequest(later); });
  return QApplication::exec();
}

// The window of this start, once no other window of the user takes its request.
int RunProgram(const TWindowRequest& request, TSingleInstance& instance) {
  // The same settings folder as the command line's: beside the program, or the user's own.
  // Read by the one window only.
  const TSettingsChoice settings = ChooseSettingsFolder();
  // The methods and settings of this window, from start to end.
  const std::unique_ptr<TWipeMethodsManager> catalogue = StartWipeMethodsManager();

  // What the engines ask of the windows: the progress window of each run, the question about
  // executables, the clipboard and the timers. Installed before the main window creates the
  // trace-cleaning engine, whose scheduler takes its timer at once.
  QtWipeServices wipeServices;
  const ScopedWipeServices installedWipeServices(wipeServices);
  QtCleanerEnvironment cleanerEnvironment;

  const int result = RunMainWindow(*catalogue, settings, request, instance);
  // The settings this run changed, and only those, while a warning can still be shown; a
  // window opened and closed without a change writes nothing.
  if (const std::string problem = FinishWipeMethodsManager(*catalogue); !problem.empty()) {
    Prompts().MessageDialog(
        TMessageKind::Warning,
        QCoreApplication::translate("main", "The changed settings could not be saved: %1")
            .arg(FromLocal(problem)));
  }
  return result;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The paths of the command line as the bytes given. Read before Qt sees anything: Qt is given
  // none of the arguments, so no path (however it is named) is taken as one of its options
  // (a style sheet to read, a folder to load plug-ins from, a layout direction).
  const TWindowArguments arguments = ParseWindowArguments(
      std::vector<std::string>(argv + 1, argv + argc), platform::currentFolder());
  int qtArgumentCount = 1;
  char* qtArguments[] = {argv[0], nullptr};
  if (!arguments.request || !DisplayNamed()) {
    // What is said without a window is said in the user's language too: the translators need an
    // application object, and this one needs no display.
    QCoreApplication said(qtArgumentCount, qtArguments);
    InstallProgramTranslations(said);
    if (!arguments.text.empty()) {
      std::fputs(TranslatedText(arguments).c_str(), stdout);
      return 0;
    }
    if (!arguments.request) {
      std::fprintf(stderr, "ferrovane: %s\n", TranslatedError(arguments).c_str());
      return 2;
    }
    ReportNoDisplay();
    return 1;
  }
  auto noDisplayGuard = std::make_unique<TNoDisplayGuard>();
  QApplication application(qtArgumentCount, qtArguments);
  noDisplayGuard.reset();
  NameApplication();
  // The window's texts, Qt's and the engines' messages in the user's language.
  InstallProgramTranslations(application);
  platform::useMessageCatalogue();

  // A window of this user runs already: it takes the request and comes to the front. This
  // start has read nothing of the settings and ends without writing them; it puts back no
  // reserve that the running window's free-space wipe holds lowered.
  const QString channel = TSingleInstance::DefaultChannel();
  if (TSingleInstance::HandOver(channel, *arguments.request)) return 0;
  TSingleInstance instance(channel);
  // A window that began to listen in the meantime takes the request after all.
  if (!instance.Listen() && TSingleInstance::HandOver(channel, *arguments.request)) return 0;
  return RunProgram(*arguments.request, instance);
}
