#include "ui/AdministratorRun.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/DriveFunctions.h"
#include "core/Helpers.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "dialogs/PromptService.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "ui/ProgressStreamReader.h"
#include "ui/pages/TRunQuestion.h"

namespace {

std::optional<QString>& launcherOverride() {
  static std::optional<QString> launcher;
  return launcher;
}

QString shown(const std::string& text) {
  return QString::fromLocal8Bit(text);
}

// While the run with administrator rights goes on, only the progress window takes clicks and
// keys (its Cancel above all); the other windows go on painting, but start nothing and do not
// close under the run.
class OnlyProgressWindow : public QObject {
 public:
  explicit OnlyProgressWindow(const QWidget* progress) : progress_(progress) {
    QApplication::instance()->installEventFilter(this);
  }
  ~OnlyProgressWindow() override { QApplication::instance()->removeEventFilter(this); }
  OnlyProgressWindow(const OnlyProgressWindow&) = delete;
  OnlyProgressWindow& operator=(const OnlyProgressWindow&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!fromUser(event->type())) return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (progress_ && widget && widget->window() == progress_) return false;
    if (event->type() == QEvent::Close) event->ignore();
    return true;
  }

 private:
  static bool fromUser(QEvent::Type type) {
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::Close:
        return true;
      default:
        return false;
    }
  }

  const QWidget* progress_;
};

QString pathList(const std::vector<std::string>& paths) {
  QStringList names;
  for (const std::string& path : paths) names << shown(path);
  return names.join(QStringLiteral(", "));
}

// The target as the window sees it now, or null with why not.
std::optional<THandOverTarget> lookUp(TWipeItemKind kind, const std::string& given,
                                      std::string& problem) {
  THandOverTarget target;
  target.kind = kind;
  if (kind == wkFreeSpace) {
    target.path = AddTrailingBackslash(given);
    target.volume = GetDriveVolume(platform::fs(), target.path);
    if (target.volume.device == 0) problem = "could not be looked at";
  } else {
    target.path = given.size() > 1 ? RemoveTrailingBackslash(given) : given;
    if (auto place = platform::openContainingFolder(target.path); !place) {
      problem = "could not be looked at (" + place.error().message() + ")";
    } else if (place->name.empty()) {
      problem = "is the root folder: it is never wiped";
    } else if (const auto entry = place->folder->entry(place->name); !entry) {
      problem = "could not be looked at (" + entry.error().message() + ")";
    } else {
      target.kind = entry->isFolder() ? wkFolder : wkFile;
      target.id = entry->id;
    }
  }
  if (problem.empty()) problem = HandOverPathProblem(target.kind, target.path);
  if (!problem.empty()) return std::nullopt;
  return target;
}

}  // namespace

QString AdministratorLauncher() {
  if (launcherOverride()) return *launcherOverride();
  return QStandardPaths::findExecutable(QStringLiteral("pkexec"));
}

QString SetAdministratorLauncher(const QString& launcher) {
  const QString before = AdministratorLauncher();
  launcherOverride() = launcher;
  return before;
}

std::string CommandLineProgram() {
  return AddTrailingBackslash(platform::programFolder()) + "ferrovane-cli";
}

QString LauncherProblem(const QString& launcher, int exitStatus, const QString& said) {
  const QString name = QFileInfo(launcher).fileName();
  const QString status =
      QCoreApplication::translate("AdministratorRun", " (%1 ended with status %2%3)")
          .arg(name)
          .arg(exitStatus)
          .arg(said.isEmpty() ? QString() : QStringLiteral(": ") + said.simplified());
  // pkexec's own words, as it writes them on its standard error.
  if (said.contains(QStringLiteral("No authentication agent"), Qt::CaseInsensitive)) {
    return QCoreApplication::translate(
               "AdministratorRun",
               "No authentication agent is running, so nobody could be asked for the "
               "administrator's password: nothing was wiped. Start your desktop's polkit agent "
               "(for example lxpolkit or polkit-gnome), or run ferrovane-cli as root in a "
               "terminal.") +
           status;
  }
  if (said.contains(QStringLiteral("Error getting authority"), Qt::CaseInsensitive)) {
    return QCoreApplication::translate(
               "AdministratorRun",
               "The polkit service, which decides who may act as the administrator, is not "
               "running: nothing was wiped. Run ferrovane-cli as root in a terminal instead.") +
           status;
  }
  if (exitStatus == 126 || said.contains(QStringLiteral("Not authorized"), Qt::CaseInsensitive)) {
    return QCoreApplication::translate(
               "AdministratorRun",
               "The administrator's password was not given, or the request was refused: nothing "
               "was wiped.") +
           status;
  }
  if (exitStatus == 127) {
    return QCoreApplication::translate(
               "AdministratorRun",
               "%1 could not start the run with administrator rights: nothing was "
               "wiped.")
               .arg(name) +
           status;
  }
  return QCoreApplication::translate(
             "AdministratorRun",
             "The run with administrator rights ended without an outcome, so what it wiped is "
             "unknown.") +
         status;
}

std::optional<TRunOutcome> RunWithProgressStream(const QString& launcher,
                                                 const std::string& program,
                                                 const std::vector<std::string>& args,
                                                 TWipeEngine& engine, QString& problem,
                                                 const std::string& input, std::string* report) {
  QStringList arguments{QFile::decodeName(QByteArray::fromStdString(program)),
                        QStringLiteral("--progress=json")};
  for (const std::string& arg : args)
    arguments << QFile::decodeName(QByteArray::fromStdString(arg));
  // The engine's own run answers to the engine's Stop: none may be going on.
  if (engine.Running()) {
    problem = QCoreApplication::translate("AdministratorRun",
                                          "The engine is running: nothing was handed over.");
    return std::nullopt;
  }
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  std::unique_ptr<IWipeProgress> progress = WipeServices().OpenProgress(engine);
  if (!progress) progress = SilentWipeProgress();
  // Cancel in the progress window asks the engine to stop: for the time of this run the engine
  // answers to a stop token of its own, which closes the run's standard input.
  WipeRun cancelled(SilentWipeServices());
  const TWipeEngine::RunScope scope(engine, cancelled);
  std::optional<TRunOutcome> outcome;
  std::string lastPath;
  QByteArray pending;
  auto readLines = [&] {
    pending += process.readAllStandardOutput();
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
      const QByteArray line = pending.left(end);
      pending.remove(0, end + 1);
      const auto record = ReadProgressLine(line);
      if (!record) continue;
      if (record->report && report) *report = std::move(*record->report);
      if (record->outcome) {
        // A stream of several runs (files, then folders) is one run for the user.
        if (!outcome) outcome.emplace();
        AddRunOutcome(*outcome, *record->outcome);
      }
      if (const auto& event = record->progress) {
        if (event->path != lastPath) {
          lastPath = event->path;
          progress->ShowFile(event->path);
        }
        if (event->passes > 0) progress->ShowPass(event->pass, event->passes);
        progress->SetFileRange(event->total);
        progress->SetFilePosition(event->done);
      }
    }
  };
  QEventLoop loop;
  QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, readLines);
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) loop.quit();
  });
  bool inputClosed = false;
  QTimer cancelWatch;
  cancelWatch.setInterval(50);
  QObject::connect(&cancelWatch, &QTimer::timeout, &loop, [&] {
    if (inputClosed || !cancelled.Stop.Requested()) return;
    process.closeWriteChannel();
    inputClosed = true;
  });
  process.start(launcher, arguments);
  if (process.state() != QProcess::NotRunning) {
    if (!input.empty()) process.write(input.data(), qint64(input.size()));
    cancelWatch.start();
    const OnlyProgressWindow onlyProgress(dynamic_cast<QWidget*>(progress.get()));
    loop.exec();
  }
  readLines();
  progress.reset();
  if (!outcome) {
    problem =
        process.error() == QProcess::FailedToStart
            ? QCoreApplication::translate("AdministratorRun",
                                          "%1 could not be started: %2: nothing was wiped.")
                  .arg(launcher, process.errorString())
            : LauncherProblem(launcher, process.exitCode(),
                              QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
  }
  return outcome;
}

std::optional<THandOverJob> HandOverJobFor(TWipeItemKind kind,
                                           const std::vector<std::string>& paths,
                                           TWipeEngine& engine,
                                           const TWipeMethodsManager& catalogue,
                                           std::vector<std::string>& unseen) {
  const TWipeMethod* method = catalogue.MethodForEngine(engine);
  if (!method || !method->ReadWhole) {
    unseen.push_back("no usable wipe method is chosen for these files");
    return std::nullopt;
  }
  THandOverJob job;
  job.settings = WipeRunSettings::Of(catalogue);
  job.method = *RunMethodOf(method);
  for (const std::string& path : paths) {
    std::string problem;
    if (auto target = lookUp(kind, path, problem)) {
      job.targets.push_back(std::move(*target));
    } else {
      unseen.push_back(path + ": " + problem);
    }
  }
  return job;
}

void RunAsAdministrator(TAdministratorWork work, const QString& question,
                        const std::vector<std::string>& paths, const TRunTexts& texts,
                        TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                        std::string* report) {
  if (paths.empty()) return;
  const QString launcher = AdministratorLauncher();
  if (launcher.isEmpty()) {
    Prompts().MessageDialog(
        TMessageKind::Information,
        QCoreApplication::translate(
            "AdministratorRun",
            "%1 can only be wiped with administrator rights, and pkexec, which asks "
            "for them, is not installed (Debian package \"pkexec\"). Install it, or "
            "run ferrovane-cli as root in a terminal.")
            .arg(pathList(paths)));
    return;
  }
  std::vector<std::string> unseen;
  const std::optional<THandOverJob> job =
      HandOverJobFor(work == TAdministratorWork::FreeSpace ? wkFreeSpace : wkFile, paths, engine,
                     catalogue, unseen);
  if (!unseen.empty()) {
    QStringList lines;
    for (const std::string& line : unseen) lines << shown(line);
    Prompts().DetailedMessage(
        TReportKind::Warning,
        QCoreApplication::translate(
            "AdministratorRun",
            "Some of what needs administrator rights cannot be handed to them."),
        QCoreApplication::translate(
            "AdministratorRun",
            "Only what the window can see as it is now, without a link on its way, "
            "is handed over."),
        lines.join(QLatin1Char('\n')));
  }
  if (!job || job->targets.empty()) return;
  std::vector<std::string> handed;
  for (const THandOverTarget& target : job->targets) handed.push_back(target.path);
  // The question names what is handed over, as the window sees it now: the run wipes that, or
  // nothing, whatever is put in its place while the question is open.
  // Asked every time and without "Do not ask again": it hands the paths to a run with other
  // rights.
  const auto subject = [&] {
    TRunQuestion::TSubject asked;
    for (const std::string& path : handed) asked.about << QString::fromLocal8Bit(path);
    asked.question = question.arg(pathList(handed));
    asked.action = QCoreApplication::translate("AdministratorRun", "Continue as administrator");
    return asked;
  };
  if (!TRunQuestion::AskAlways(Prompts(), subject)) return;
  // The check of the device, when the user's runs have it, is what the rights are often
  // wanted for: the run reads the device back, and its report comes back with its outcome.
  std::vector<std::string> args{"hand-over"};
  if (catalogue.CheckDevice) args.emplace_back("--verify-device");
  QString problem;
  const auto elevated = RunWithProgressStream(launcher, CommandLineProgram(), args, engine, problem,
                                              EncodeHandOverJob(*job), report);
  if (!elevated) {
    Prompts().MessageDialog(TMessageKind::Warning, problem);
    return;
  }
  ShowRunOutcome(texts, *elevated);
}

void OfferAdministratorFreeSpaceRun(const TRunTexts& texts, const TRunOutcome& outcome,
                                    TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                                    std::string* report) {
  std::vector<std::string> mounts;
  for (const TWipeFailure& failure : outcome.failures) {
    if (failure.Reason == TWipeFailureReason::NeedsAdministrator) mounts.push_back(failure.Path);
  }
  RunAsAdministrator(
      TAdministratorWork::FreeSpace,
      QCoreApplication::translate("AdministratorRun",
                                  "Wiping the free space of %1 needs administrator rights. "
                                  "Run as administrator?"),
      mounts, texts, engine, catalogue, report);
}

void OfferAdministratorWipeRun(const TRunTexts& texts, const TRunOutcome& outcome,
                               TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                               std::string* report) {
  std::vector<std::string> paths;
  for (const TWipeFailure& failure : outcome.failures) {
    const bool refused = failure.Error == std::errc::permission_denied ||
                         failure.Error == std::errc::operation_not_permitted;
    if (refused && !failure.Path.empty()) paths.push_back(failure.Path);
  }
  // Folders left behind go with everything in them, as the folders list wipes them.
  RunAsAdministrator(
      TAdministratorWork::Wipe,
      QCoreApplication::translate("AdministratorRun",
                                  "%1 could not be wiped without administrator rights. Run as "
                                  "administrator?"),
      paths, texts, engine, catalogue, report);
}
