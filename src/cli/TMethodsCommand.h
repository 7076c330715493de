#pragma once
// `ferrovane-cli methods`: the settings folder in use, the methods with their passes, the
// default method and the method of each engine; with `--set-engine ENGINE METHOD`, records the
// method of an engine in "Ferrovane.ini", as the methods dialog does.

#include <string>

class TCliOutput;

struct TMethodsRequest {
  // Both empty, or the engine ("files", "folders", "free-space") and the method to record for it.
  std::string engine;
  std::string method;
  bool dryRun = false;
};

// The engine's name in "Ferrovane.ini" for the word the command line uses ("files" ->
// "WipeFiles"); empty for a word that names no engine.
std::string EngineNameFor(const std::string& word);

class TWipeMethodsManager;

class TMethodsCommand {
 public:
  // The catalogue is the command line's own; the command reads and changes it.
  TMethodsCommand(TCliOutput& output, TWipeMethodsManager& catalogue, TMethodsRequest request);
  int Run();

 private:
  int list();
  int setEngine();

  TCliOutput& output_;
  TWipeMethodsManager& catalogue_;
  TMethodsRequest request_;
};
