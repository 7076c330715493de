#include "core/WipeRun.h"

#include <utility>

#include "core/TWipeMethod.h"
#include "core/TWipeMethodsManager.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Journal.h"

WipeRunSettings WipeRunSettings::Of(const WipeSettings& settings) {
  WipeRunSettings snapshot;
  snapshot.BufferSize = settings.BufferSize;
  snapshot.WipeSlackSpace = settings.WipeSlackSpace;
  snapshot.ScrambleFile = settings.ScrambleFile;
  snapshot.WriteSignature = settings.WriteSignature;
  snapshot.Signature = settings.Signature;
  snapshot.DiscardFreeBlocks = settings.DiscardFreeBlocks;
  if (!settings.JournalNamesChosen()) {
    snapshot.Journal = JournalNames::WhereKept;
  } else {
    snapshot.Journal = settings.EraseJournalNames ? JournalNames::All : JournalNames::None;
  }
  return snapshot;
}

std::optional<WipeRunMethod> RunMethodOf(const TWipeMethod* method) {
  if (!method) return std::nullopt;
  WipeRunMethod copy;
  copy.Name = method->Name;
  copy.ReadWhole = method->ReadWhole;
  copy.ReadProblem = method->ReadProblem;
  for (const auto& pass : method->Passes) copy.Passes.push_back(*pass);
  return copy;
}

WipeRun::WipeRun(IWipeServices& services, WipeRunSettings settings,
                 std::optional<WipeRunMethod> method)
    : WipeRun(services, {platform::fs(), platform::drives(), platform::journals()},
              std::move(settings), std::move(method)) {}

WipeRun::WipeRun(IWipeServices& services, Platform platform, WipeRunSettings settings,
                 std::optional<WipeRunMethod> method)
    : Settings(std::move(settings)),
      Method(std::move(method)),
      Services(services),
      Files(platform.Files),
      Drives(platform.Drives),
      Journals(platform.Journals) {}

WipeRun WipeRun::For(const TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                     IWipeServices& services) {
  return WipeRun(services, WipeRunSettings::Of(catalogue),
                 RunMethodOf(catalogue.MethodForEngine(engine)));
}
