#include "cli/TCleanCommand.h"

#include <algorithm>
#include <charconv>

#include "cleaner/ScheduleCalendar.h"
#include "cleaner/ScheduleSettings.h"
#include "cleaner/TCleaningRun.h"
#include "cleaner/TEraserEngine.h"
#include "cleaner/TScheduledCleanLog.h"
#include "cleaner/TracePathLists.h"
#include "cli/ExitStatus.h"
#include "cli/TCliOutput.h"
#include "core/SettingsFolder.h"
#include "core/StoredFileProblem.h"
#include "core/TIniFile.h"
#include "core/TNumberFormat.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Registry.h"
#include "platform/Signals.h"
#include "platform/TextCase.h"

namespace {

// Where the Clean traces page records which items are checked, and whether files are
// overwritten before they go.
const char* const kPageSection = "CleanTraces";
const char* const kOverwriteKey = "OverwriteFiles";

// Turns a stop signal into a stop of the running clean: the walks and the browser items ask for
// pending events between entries and profiles, so the item in hand ends there and no later
// item starts.
class StopOnSignal final : public IWipeServices {
 public:
  explicit StopOnSignal(TCleaningRun& run) : run_(run) {}
  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine&) override {
    return SilentWipeProgress();
  }
  bool ConfirmWipeExecutable(const std::string&) override { return false; }
  void ProcessMessages() override {
    if (platform::stopSignal()) run_.Stop();
  }

 private:
  TCleaningRun& run_;
};

std::string SizeText(std::uint64_t bytes) {
  return Substituted(TrN("{} byte", "{} bytes", bytes), {TNumberFormat::User().Whole(bytes)});
}

}  // namespace

std::vector<TEraser*> ChooseTraceItems(const TEraserEngine& engine,
                                       const std::vector<std::string>& words,
                                       std::vector<std::string>& unknown) {
  std::vector<bool> chosen(engine.Erasers.size(), false);
  for (const std::string& word : words) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error == std::errc() && end == word.data() + word.size()) {
      if (number >= 1 && number <= chosen.size()) {
        chosen[number - 1] = true;
      } else {
        unknown.push_back(word);
      }
      continue;
    }
    bool found = false;
    // A group's key stands for every item of the group.
    for (const TTraceGroup& group : TEraserEngine::Groups()) {
      if (!platform::equalsNoCase(group.Key, word)) continue;
      for (std::size_t i : group.Items()) {
        if (i < chosen.size()) chosen[i] = true;
      }
      found = true;
    }
    for (std::size_t i = 0; i < engine.Erasers.size(); ++i) {
      const TEraser& item = *engine.Erasers[i];
      if (platform::equalsNoCase(item.Name, word) || platform::equalsNoCase(item.Caption, word) ||
          platform::equalsNoCase(item.ShownCaption(), word)) {
        chosen[i] = true;
        found = true;
      }
    }
    if (!found) unknown.push_back(word);
  }
  std::vector<TEraser*> items;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    if (chosen[i]) items.push_back(engine.Erasers[i].get());
  }
  return items;
}

TCleanCommand::TCleanCommand(TCliOutput& output, TWipeMethodsManager& catalogue,
                             TCleanRequest request)
    : output_(output), catalogue_(catalogue), request_(std::move(request)) {}

std::vector<TEraser*> TCleanCommand::scheduledItems(const TEraserEngine& engine, std::string& why,
                                                    bool& due) {
  // The schedule and its items are kept in the settings file: when it cannot be read, nothing
  // is known to be chosen.
  if (!catalogue_.SettingsProblem.empty()) {
    why = Tr("the schedule is kept in ") + TWipeMethodsManager::SettingsFileName() +
          Tr(", which could not be read");
    return {};
  }
  TScheduleSettings schedule;
  const bool read = schedule.Read(TIniFile(TWipeMethodsManager::SettingsFileName()));
  if (!schedule.Problem.empty()) {
    // A schedule that cannot be read is not known to be off: a fault, not a choice.
    scheduleDamaged_ = true;
    why = Tr("the schedule in ") + TWipeMethodsManager::SettingsFileName() +
          Tr(" cannot be read: ") + schedule.Problem;
    return {};
  }
  if (!read || !schedule.Enabled) {
    why = Tr("no schedule is on");
    return {};
  }
  if (!request_.preview) {
    const std::optional<TScheduledClean> last = TScheduledCleanLog().Last(true);
    if (!ScheduledRunAllowed(schedule.Schedule, last ? last->When : 0, SystemNow())) {
      due = false;
      return {};
    }
  }
  std::vector<TEraser*> items = schedule.ChosenItems(engine);
  if (items.empty()) why = Tr("no item is chosen for the schedule");
  return items;
}

int TCleanCommand::logged(int status) {
  if (!request_.scheduled || request_.preview) return status;
  if (const std::string problem = TScheduledCleanLog().Append(outcome_); !problem.empty()) {
    output_.Problem(TScheduledCleanLog().Path() + Tr(": the outcome could not be recorded: ") +
                    problem);
    if (status == ExitAllDone) return ExitSomethingLeft;
  }
  return status;
}

TCleanCommand::Ending TCleanCommand::loadPrefs(TEraserEngine& engine) {
  const std::string prefs = GetSettingsFolder() + "prefs.dat";
  engine.LoadFromFile(prefs);
  // A damaged prefs.dat is named. Its exclusion lists may not have been read, so nothing is
  // removed on the strength of the rest: only a preview goes on, with what could be read.
  prefsUnread_ = !engine.LoadProblem.empty();
  if (!prefsUnread_) return std::nullopt;
  output_.Problem(StoredFileProblem(
      prefs, engine.LoadProblem,
      request_.preview ? Tr("what was read before the fault is shown, the rest at its defaults")
                       : Tr("nothing is cleaned, so that no exclusion it holds is passed over")));
  if (request_.preview) return std::nullopt;
  outcome_.Problem = Tr("prefs.dat could not be read; nothing was cleaned");
  outcome_.Ran = false;
  return logged(ExitSomethingLeft);
}

TCleanCommand::Ending TCleanCommand::chooseScheduled(const TEraserEngine& engine,
                                                     std::vector<TEraser*>& items) {
  std::string why;
  bool due = true;
  items = scheduledItems(engine, why, due);
  if (!due) {
    output_.Result(Tr("The schedule is not due yet: nothing was cleaned."));
    return ExitAllDone;
  }
  if (!items.empty()) return std::nullopt;
  // A schedule that is off or has no items is a choice; unreadable settings are a fault.
  const bool fault = !catalogue_.SettingsProblem.empty() || scheduleDamaged_;
  if (!fault) {
    // A schedule that is off or empty has nothing to record.
    output_.Result(Tr("Nothing was cleaned: ") + why + ".");
    return ExitAllDone;
  }
  // A refusal is recorded.
  output_.Problem(Tr("nothing was cleaned: ") + why);
  outcome_.Problem = why;
  outcome_.Ran = false;
  return logged(ExitSomethingLeft);
}

TCleanCommand::Ending TCleanCommand::chooseItems(const TEraserEngine& engine,
                                                 std::vector<TEraser*>& items) {
  if (request_.scheduled) return chooseScheduled(engine, items);
  if (!request_.preview && !catalogue_.SettingsProblem.empty()) {
    // The places kept from every clean, and which items are checked, are kept in the settings
    // file. When it cannot be read, a clean could remove what the user keeps: only a preview
    // goes on.
    output_.Problem(Tr("nothing is cleaned: the places you keep from every clean and the items "
                       "checked on the Clean traces page are kept in ") +
                    TWipeMethodsManager::SettingsFileName() + Tr(", which could not be read"));
    return ExitSomethingLeft;
  }
  if (request_.items.empty()) {
    const TIniFile settings(TWipeMethodsManager::SettingsFileName());
    for (const auto& item : engine.Erasers) {
      if (settings.ReadBool(kPageSection, item->Name, item->Enabled)) items.push_back(item.get());
    }
    return std::nullopt;
  }
  std::vector<std::string> unknown;
  items = ChooseTraceItems(engine, request_.items, unknown);
  for (const std::string& word : unknown) {
    output_.Problem(Tr("no trace item is named ") + word + Tr(" (see clean --help)"));
  }
  if (!unknown.empty()) return ExitUsageError;
  return std::nullopt;
}

bool TCleanCommand::registryUnread(const std::vector<TEraser*>& items) {
  // Registry items read the registry store: one that cannot be read is named (it then reads as
  // empty and is never written), and the run cannot be called complete.
  if (std::none_of(items.begin(), items.end(), [](const TEraser* item) {
        return dynamic_cast<const TEraseRegistry*>(item) != nullptr;
      })) {
    return false;
  }
  const std::string problem = platform::registry().problem();
  if (problem.empty()) return false;
  output_.Problem(problem);
  return true;
}

bool TCleanCommand::overwriting() const {
  if (request_.preview) return false;
  if (request_.overwrite != 0) return request_.overwrite > 0;
  return TIniFile(TWipeMethodsManager::SettingsFileName())
      .ReadBool(kPageSection, kOverwriteKey, false);
}

void TCleanCommand::runItems(TEraserEngine& engine, const std::vector<TEraser*>& items,
                             IWipeWitness* witness) {
  TCleaningRun run(engine);
  StopOnSignal stopOnSignal(run);
  engine.Services = &stopOnSignal;
  TTracePathLists lists;
  lists.Read(TIniFile(TWipeMethodsManager::SettingsFileName()));
  engine.KeepPaths = lists.Keep;
  engine.CustomPaths = lists.Custom;
  // An engine of its own wipes with the method chosen for the files engine.
  TWipeEngine overwrite("WipeFiles");
  WipeRun overwriteRun = WipeRun::For(overwrite, catalogue_, stopOnSignal);
  overwriteRun.Witness = witness;
  if (overwriting()) {
    engine.Overwrite = &overwrite;
    engine.OverwriteRun = &overwriteRun;
    output_.Detail(Tr("files are overwritten before they go, with ") +
                   (overwriteRun.Method ? overwriteRun.Method->Name
                                        : std::string(Tr("no method (none could be read)"))));
  }
  run.ClearJournals = !request_.preview && catalogue_.EraseJournalNames;
  run.Run(
      items, request_.preview,
      [&](std::size_t, const TEraser& item) {
        if (platform::stopSignal()) {
          run.Stop();
          return;
        }
        output_.Detail(item.ShownCaption());
        output_.Progress(item.ShownCaption());
      },
      [&] { output_.Progress(Tr(kClearingJournalText)); });
  engine.Overwrite = nullptr;
  engine.OverwriteRun = nullptr;
  engine.Services = nullptr;
  output_.ClearProgress();
}

int TCleanCommand::finishReport(TDeviceCheckRun& evidence, const TEraserEngine& engine,
                                const std::vector<TEraser*>& items, bool overwrote, int status) {
  // The items are the report's targets, each with the entries it removed.
  std::vector<TRunTarget> targets;
  for (const TEraser* item : items) targets.push_back({item->Caption, "traces"});
  if (!request_.report.verifyDevice.empty() && !overwrote && !engine.Removed.empty()) {
    // What a clean removes without overwriting has no old block to read back; files overwritten
    // first are checked like those of a wipe.
    output_.Problem(
        Substituted(Tr("device check: the clean deleted files without overwriting them "
                       "(--overwrite does); the {} entries it removed are not verified on the "
                       "device"),
                    {TNumberFormat::User().Whole(engine.Removed.size())}));
    if (request_.report.verifyDevice == "required" && status == ExitAllDone) {
      status = ExitSomethingLeft;
    }
  }
  return evidence.Finish(status, targets, {}, {}, 0);
}

void TCleanCommand::reportRecords(const TEraserEngine& engine) {
  // Records name their item by its tag; the user knows it by its caption.
  const auto caption = [&engine](const std::string& name) {
    for (const auto& item : engine.Erasers) {
      if (item->Name == name) return item->ShownCaption();
    }
    return name;
  };
  std::uint64_t bytes = 0;
  for (const TCleanRecord& record : engine.Removed) {
    bytes += record.Size;
    if (request_.preview) {
      output_.Result(caption(record.Item) + ": " + record.What +
                     (record.Size > 0 ? " (" + SizeText(record.Size) + ")" : std::string()));
    } else {
      output_.Detail(Tr("removed: ") + record.What);
    }
  }
  for (const TCleanRecord& record : engine.Left) {
    output_.Problem(caption(record.Item) + ": " + record.What + ": " + record.Reason);
  }
  for (const TCleanRecord& note : engine.Notes) output_.Problem(note.What + ": " + note.Reason);
  const std::string removed = TNumberFormat::User().Whole(engine.Removed.size());
  const std::string left = TNumberFormat::User().Whole(engine.Left.size());
  if (engine.Left.empty()) {
    output_.Result(
        Substituted(request_.preview ? Tr("Would remove {} ({}).") : Tr("Removed {} ({})."),
                    {removed, SizeText(bytes)}));
  } else {
    output_.Result(Substituted(request_.preview
                                   ? Tr("Would remove {} ({}); {} could not be removed.")
                                   : Tr("Removed {} ({}); {} could not be removed."),
                               {removed, SizeText(bytes), left}));
  }
}

int TCleanCommand::Run() {
  // A scheduled clean leaves its outcome in the log, whatever ends it.
  outcome_ = TScheduledClean();
  outcome_.When = SystemNow();
  TEraserEngine engine;
  if (const Ending ended = loadPrefs(engine)) return *ended;
  std::vector<TEraser*> items;
  if (const Ending ended = chooseItems(engine, items)) return *ended;
  if (items.empty()) {
    output_.Result(Tr("No trace item is chosen."));
    return ExitAllDone;
  }
  const bool registryFailed = registryUnread(items);
  TDeviceCheckRun evidence(output_, request_.report, "clean");
  const bool overwrote = overwriting();
  runItems(engine, items, evidence.Witness());
  reportRecords(engine);

  outcome_.Removed = engine.Removed.size();
  outcome_.Left = engine.Left.size();
  if (registryFailed) outcome_.Problem = Tr("the registry store could not be read");
  if (const int signal = platform::stopSignal()) {
    outcome_.Problem = Tr("stopped before the end");
    return logged(platform::exitStatusForSignal(signal));
  }
  int status =
      engine.Left.empty() && !prefsUnread_ && !registryFailed ? ExitAllDone : ExitSomethingLeft;
  if (request_.report.Wanted() && !request_.preview)
    status = finishReport(evidence, engine, items, overwrote, status);
  return logged(status);
}
