#include "ui/pages/TRunQuestion.h"

#include "core/WipeSettings.h"
#include "dialogs/PromptService.h"

#include <QCoreApplication>

namespace {

// How many questions of runs are open now.
int openQuestions = 0;

// The setting of the kind (const or not, as the settings are).
template <typename Settings>
auto settingOf(Settings& settings, TQuestionKind kind) -> decltype(&settings.ConfirmEraseAllFiles) {
  switch (kind) {
    case TQuestionKind::FilesAndFolders:
      return &settings.ConfirmEraseAllFiles;
    case TQuestionKind::FreeSpace:
      return &settings.ConfirmWipeFreeSpace;
    case TQuestionKind::SpecialFolders:
      return &settings.ConfirmWipeSpecialFolders;
    case TQuestionKind::Traces:
      return &settings.ConfirmCleanTraces;
    case TQuestionKind::RecentFiles:
      return &settings.ConfirmClearRecentFiles;
  }
  return &settings.ConfirmEraseAllFiles;
}

// Counts the question as open while it lives.
class OpenQuestion {
 public:
  OpenQuestion() { ++openQuestions; }
  ~OpenQuestion() { --openQuestions; }
  OpenQuestion(const OpenQuestion&) = delete;
  OpenQuestion& operator=(const OpenQuestion&) = delete;
};

}  // namespace

bool TRunQuestion::Asking(const WipeSettings& settings, TQuestionKind kind) {
  return *settingOf(settings, kind);
}

void TRunQuestion::SetAsking(WipeSettings& settings, TQuestionKind kind, bool ask) {
  *settingOf(settings, kind) = ask;
}

QString TRunQuestion::SettingCaption(TQuestionKind kind) {
  switch (kind) {
    case TQuestionKind::FilesAndFolders:
      return QCoreApplication::translate("TRunQuestion", "Ask before wiping files and folders");
    case TQuestionKind::FreeSpace:
      return QCoreApplication::translate("TRunQuestion", "Ask before wiping free space");
    case TQuestionKind::SpecialFolders:
      return QCoreApplication::translate("TRunQuestion", "Ask before wiping special folders");
    case TQuestionKind::Traces:
      return QCoreApplication::translate("TRunQuestion", "Ask before cleaning traces");
    case TQuestionKind::RecentFiles:
      return QCoreApplication::translate("TRunQuestion", "Ask before clearing recently used files");
  }
  return {};
}

bool TRunQuestion::Open() {
  return openQuestions > 0;
}

bool TRunQuestion::Ask(WipeSettings& settings, IPromptService& prompts, TQuestionKind kind,
                       const std::function<TSubject()>& subject, bool always) {
  if (always) return AskAlways(prompts, subject);
  if (!Asking(settings, kind)) return true;
  bool doNotAskAgain = false;
  if (!askUntilSettled(prompts, subject,
                       QCoreApplication::translate("TRunQuestion", "Do not ask again"),
                       doNotAskAgain)) {
    return false;
  }
  // The box only counts with the action: Cancel leaves everything as it was.
  if (doNotAskAgain) SetAsking(settings, kind, false);
  return true;
}

bool TRunQuestion::AskAlways(IPromptService& prompts, const std::function<TSubject()>& subject) {
  // What is always asked about offers no box: it would not apply.
  bool unused = false;
  return askUntilSettled(prompts, subject, QString(), unused);
}

bool TRunQuestion::askUntilSettled(IPromptService& prompts,
                                   const std::function<TSubject()>& subject,
                                   const QString& checkBox, bool& checked) {
  TSubject asked = subject();
  for (;;) {
    checked = false;
    bool yes = false;
    {
      const OpenQuestion open;
      yes = prompts.AskBeforeRun(asked.question, asked.action, checkBox, checked);
    }
    if (!yes) return false;
    // The answer holds only for what the question named.
    TSubject now = subject();
    if (now.about == asked.about) return true;
    asked = std::move(now);
  }
}

QString TRunQuestion::CountOf(std::size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString TRunQuestion::ListOf(const QStringList& entries, int shown) {
  if (entries.isEmpty()) return {};
  QStringList head = entries.mid(0, shown);
  const qsizetype more = entries.size() - head.size();
  if (more > 0) head << QCoreApplication::translate("TRunQuestion", "%1 more").arg(more);
  if (head.size() == 1) return head.front();
  const QString last = head.takeLast();
  return head.join(QStringLiteral(", ")) + QCoreApplication::translate("TRunQuestion", " and ") +
         last;
}
