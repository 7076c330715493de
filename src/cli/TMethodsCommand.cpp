#include "cli/TMethodsCommand.h"

#include <algorithm>

#include "cli/ExitStatus.h"
#include "cli/MethodChoice.h"
#include "cli/TCliOutput.h"
#include "core/Helpers.h"
#include "core/SettingsFolder.h"
#include "core/TIniFile.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "platform/Signals.h"

namespace {

struct EngineWord {
  const char* word;
  const char* name;
};
constexpr EngineWord kEngines[] = {
    {"files", "WipeFiles"}, {"folders", "WipeFolders"}, {"free-space", "WipeFreeSpace"}};

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

}  // namespace

std::string EngineNameFor(const std::string& word) {
  for (const EngineWord& engine : kEngines) {
    if (word == engine.word) return engine.name;
  }
  return {};
}

TMethodsCommand::TMethodsCommand(TCliOutput& output, TWipeMethodsManager& catalogue,
                                 TMethodsRequest request)
    : output_(output), catalogue_(catalogue), request_(std::move(request)) {}

int TMethodsCommand::Run() {
  return request_.engine.empty() ? list() : setEngine();
}

int TMethodsCommand::list() {
  TWipeMethodsManager& catalogue = catalogue_;
  output_.Result(Tr("Settings folder: ") + GetSettingsFolder());
  output_.Result(Tr("Methods (") + GetMethodsFolder() + "):");
  if (catalogue.Methods.empty()) output_.Result(Tr("  none"));
  std::size_t width = 0;
  for (const auto& method : catalogue.Methods)
    width = std::max(width, MethodFileName(*method).size());
  const TWipeMethod* fallback = catalogue.DefaultMethod();
  for (const auto& method : catalogue.Methods) {
    const int passes = method->PassCount();
    std::string count = PassCountText(passes);
    count.insert(0, count.size() < 10 ? 10 - count.size() : 0, ' ');
    std::string line =
        "  " + padded(MethodFileName(*method), width) + "  " + count + "  " + method->Name;
    if (method.get() == fallback) line += Tr("  [default]");
    if (!method->ReadWhole) {
      line += Tr("  [not used: its file could not be read: ") + method->ReadProblem + "]";
    }
    output_.Result(line);
    if (output_.Verbose()) {
      for (int index = 0; index < passes; ++index) {
        output_.Result("      " + std::to_string(index + 1) + ". " +
                       DescribePass(*method->GetPass(index)));
      }
    }
  }
  output_.Result(Tr("Engines:"));
  const TIniFile settings(TWipeMethodsManager::SettingsFileName());
  for (const EngineWord& word : kEngines) {
    TWipeEngine engine(word.name);
    const TWipeMethod* method = catalogue.MethodForEngine(engine);
    const std::string chosen = settings.ReadString("Engines", word.name, "");
    std::string line = "  " + padded(word.word, 10) + "  ";
    if (method) {
      line += DescribeMethod(*method);
      if (chosen.empty()) line += Tr("  [the default: no choice recorded]");
    } else if (!chosen.empty()) {
      line += Tr("none: \"") + chosen + Tr("\" is chosen, but no such method is loaded");
    } else {
      line += Tr("none: there is no method");
    }
    output_.Result(line);
  }
  return ExitAllDone;
}

int TMethodsCommand::setEngine() {
  const std::string& word = request_.engine;
  const std::string name = EngineNameFor(word);
  if (name.empty()) {
    output_.Problem("\"" + word + Tr("\" is no engine: give files, folders or free-space"));
    return ExitUsageError;
  }
  int status = ExitAllDone;
  TWipeMethod* method = UsableMethod(output_, catalogue_, request_.method, status);
  if (!method) return status;
  if (request_.dryRun) {
    output_.Result(word + Tr(": would use ") + DescribeMethod(*method));
    return ExitAllDone;
  }
  try {
    TWipeEngine engine(name);
    catalogue_.SetEngineMethod(engine, method);
  } catch (const std::exception& error) {
    output_.Problem(error.what());
    // A stop signal that ended the wait for the settings lock ends the program as a stop does.
    if (const int signal = platform::stopSignal()) return platform::exitStatusForSignal(signal);
    return ExitSomethingLeft;
  }
  output_.Detail(word + ": " + DescribeMethod(*method) + Tr(", recorded in ") +
                 TWipeMethodsManager::SettingsFileName());
  return ExitAllDone;
}
