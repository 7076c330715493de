#include "ui/AdministratorRun.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <memory>

#include "core/TWipeEngine.h"
#include "core/WipeServices.h"
#include "dialogs/PromptService.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "ui/ProgressStreamReader.h"

namespace {

std::optional<QString>& launcherOverride() {
  static std::optional<QString> launcher;
  return launcher;
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
  return platform::withTrailingSeparator(platform::programFolder()) + "ferrovane-cli";
}

std::optional<TRunOutcome> RunWithProgressStream(const QString& launcher,
                                                 const std::string& program,
                                                 const std::vector<std::string>& args,
                                                 TWipeEngine& engine, QString& problem) {
  QStringList arguments{QFile::decodeName(QByteArray::fromStdString(program)),
                        QStringLiteral("--progress=json")};
  for (const std::string& arg : args)
    arguments << QFile::decodeName(QByteArray::fromStdString(arg));
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  std::unique_ptr<IWipeProgress> progress = WipeServices().OpenProgress(engine);
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
      if (record->outcome) outcome = record->outcome;
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
  process.start(launcher, arguments);
  // The window goes on painting while the run goes on with other rights, but takes no clicks
  // or keys meanwhile: no other run starts and the window does not close under it. (The user
  // cannot stop a process of the administrator; pkexec's own password question is another
  // program's window.)
  if (process.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
  readLines();
  progress.reset();
  if (!outcome) {
    const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    problem =
        process.error() == QProcess::FailedToStart
            ? QStringLiteral("%1 could not be started: %2").arg(launcher, process.errorString())
            : QStringLiteral(
                  "The run with administrator rights ended without an outcome "
                  "(exit status %1). %2")
                  .arg(process.exitCode())
                  .arg(said);
  }
  return outcome;
}

namespace {

// Asks, runs the command line with the arguments and the paths through the launcher, and
// reports its outcome.
void offerRun(const QString& question, std::vector<std::string> args,
              const std::vector<std::string>& paths, const TRunTexts& texts, TWipeEngine& engine) {
  const QString launcher = AdministratorLauncher();
  if (paths.empty() || launcher.isEmpty()) return;
  QStringList names;
  for (const std::string& path : paths) names << QString::fromLocal8Bit(path);
  if (!Prompts().Confirm(question.arg(names.join(QStringLiteral(", "))))) return;
  args.push_back("--");
  args.insert(args.end(), paths.begin(), paths.end());
  QString problem;
  const auto elevated =
      RunWithProgressStream(launcher, CommandLineProgram(), args, engine, problem);
  if (!elevated) {
    Prompts().MessageDialog(TMessageKind::Warning, problem);
    return;
  }
  ShowRunOutcome(texts, *elevated);
}

}  // namespace

void OfferAdministratorFreeSpaceRun(const TRunTexts& texts, const TRunOutcome& outcome,
                                    TWipeEngine& engine) {
  std::vector<std::string> mounts;
  for (const TWipeFailure& failure : outcome.failures) {
    if (failure.Reason == TWipeFailureReason::NeedsAdministrator) mounts.push_back(failure.Path);
  }
  offerRun(QStringLiteral("Wiping the free space of %1 needs administrator rights. "
                          "Run as administrator?"),
           {"free-space"}, mounts, texts, engine);
}

void OfferAdministratorWipeRun(const TRunTexts& texts, const TRunOutcome& outcome,
                               TWipeEngine& engine) {
  std::vector<std::string> paths;
  for (const TWipeFailure& failure : outcome.failures) {
    const bool refused = failure.Error == std::errc::permission_denied ||
                         failure.Error == std::errc::operation_not_permitted;
    if (refused && !failure.Path.empty()) paths.push_back(failure.Path);
  }
  // Folders left behind go with everything in them, as the folders list wipes them.
  offerRun(QStringLiteral("%1 could not be wiped without administrator rights. Run as "
                          "administrator?"),
           {"wipe", "-r"}, paths, texts, engine);
}
