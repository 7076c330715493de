#include "cleaner/TMisc.h"

#include "cleaner/PrefsValues.h"

namespace {

constexpr const char* kNames[] = {"QuickClean", "CleanAndReboot", "CleanAndShutDown", "StopTask"};

}  // namespace

TMisc::TMisc() {
  SetDefaultShortCuts();
  StartupManager = std::make_unique<TStartupManager>();
}

TMisc::~TMisc() = default;

void TMisc::SetDefaultShortCuts() {
  QuickClean = TextToShortCut("Ctrl+Alt+Q");
  CleanAndReboot = TextToShortCut("Ctrl+Alt+R");
  CleanAndShutDown = TextToShortCut("Ctrl+Alt+S");
  StopTask = TextToShortCut("Ctrl+Alt+T");
}

void TMisc::Load(const pugi::xml_node& element) {
  pugi::xml_node shortCuts = element.child("Misc").child("ShortCuts");
  if (!shortCuts) return;
  TShortCut* fields[] = {&QuickClean, &CleanAndReboot, &CleanAndShutDown, &StopTask};
  for (int i = 0; i < 4; ++i) {
    const std::string text = ReadText(shortCuts, kNames[i]);
    if (!text.empty()) *fields[i] = TextToShortCut(text);
  }
}

void TMisc::Save(pugi::xml_node& element) const {
  pugi::xml_node shortCuts = element.append_child("Misc").append_child("ShortCuts");
  const TShortCut fields[] = {QuickClean, CleanAndReboot, CleanAndShutDown, StopTask};
  for (int i = 0; i < 4; ++i) {
    // An empty text would read back as "keep the default"; "None" reads back as no shortcut.
    const std::string text = ShortCutToText(fields[i]);
    WriteText(shortCuts, kNames[i], text.empty() ? "None" : text);
  }
}
