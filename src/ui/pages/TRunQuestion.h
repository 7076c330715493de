#pragma once
// The question before a destructive run: it names what the run will remove and carries
// "Do not ask again". It is asked while the settings ask before wiping; ticking the box with
// Yes stops the questions of every page from then on, and No leaves everything as it was.

#include <QString>
#include <QStringList>
#include <cstddef>

class IPromptService;
class WipeSettings;

class TRunQuestion {
 public:
  // Whether the run may go ahead: true when the settings ask nothing, or the user says Yes.
  // `always` asks whatever the settings say (jobs handed over from outside the window).
  // "Do not ask again" turns the question off in the settings.
  static bool Ask(WipeSettings& settings, IPromptService& prompts, const QString& question,
                  bool always = false);
  // Whether the settings ask before a run.
  static bool Asking(const WipeSettings& settings);

  // "1 file", "2 folders".
  static QString CountOf(std::size_t count, const char* one, const char* many);
  // "a, b and c"; the first `shown` entries and then "and 3 more".
  static QString ListOf(const QStringList& entries, int shown = 6);
};
