#pragma once
// The question before a destructive run: it names what the run will remove, its button says
// what happens ("Wipe 3 files") and Cancel is the default. Each kind of run has its own "ask"
// setting, which the question's "Do not ask again" turns off for that kind alone and the
// Options page turns on again. Paths handed over from outside the window are always asked
// about, without the box.

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>

class IPromptService;
class WipeSettings;

// The kinds of question, each with its own setting.
enum class TQuestionKind { FilesAndFolders, FreeSpace, SpecialFolders, Traces, RecentFiles };

class TRunQuestion {
 public:
  // Every kind, in the order the Options page lists them.
  static constexpr std::array<TQuestionKind, 5> kKinds = {
      TQuestionKind::FilesAndFolders, TQuestionKind::FreeSpace, TQuestionKind::SpecialFolders,
      TQuestionKind::Traces, TQuestionKind::RecentFiles};

  // What a question names: the question, the text of its button, and what it is about (the
  // paths or names the run will take), compared after the answer.
  struct TSubject {
    QString question;
    QString action;
    QStringList about;
  };

  // Whether the run may go ahead: true when the settings do not ask before runs of the kind,
  // or the user presses the action's button. `always`: asked whatever the settings say, and
  // without "Do not ask again" (jobs handed over from outside the window, and what the window
  // offers of its own accord). "Do not ask again" with the action turns the kind's question
  // off; Cancel leaves everything as it was.
  // `subject` is read before the question and again after it: when what it is about changed
  // while the question was open, the user is asked again about what is there now.
  static bool Ask(WipeSettings& settings, IPromptService& prompts, TQuestionKind kind,
                  const std::function<TSubject()>& subject, bool always = false);
  // Whether the settings ask before runs of the kind, and setting it.
  static bool Asking(const WipeSettings& settings, TQuestionKind kind);
  static void SetAsking(WipeSettings& settings, TQuestionKind kind, bool ask);
  // The caption of a kind's setting on the Options page: "Ask before wiping free space".
  static QString SettingCaption(TQuestionKind kind);
  // Whether a question of a run is open now (anywhere in the window): paths handed over or
  // dropped meanwhile wait until it is answered.
  static bool Open();

  // "1 file", "2 folders".
  static QString CountOf(std::size_t count, const char* one, const char* many);
  // "a, b and c"; the first `shown` entries and then "and 3 more".
  static QString ListOf(const QStringList& entries, int shown = 6);
};
