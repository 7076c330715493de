#pragma once
// What a wipe run needs from the command line: the progress on the terminal, no questions, and
// the stop signals turned into a stop of the running engine after its current block, as the
// window's Stop button does.

#include <memory>
#include <string>

#include "core/WipeServices.h"

class TCliOutput;

class TCliWipeServices : public IWipeServices {
 public:
  // Installs itself as the wipe services until it ends, then puts back the ones it replaced.
  explicit TCliWipeServices(TCliOutput& output);
  ~TCliWipeServices() override;
  TCliWipeServices(const TCliWipeServices&) = delete;
  TCliWipeServices& operator=(const TCliWipeServices&) = delete;

  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine& engine) override;
  // Nothing is asked on the command line: an executable is not asked about (the engines run
  // without that question), and if one were, the answer would be No.
  bool ConfirmWipeExecutable(const std::string& path) override;
  // Stops the running engine once a stop signal has come.
  void ProcessMessages() override;

  // True once a stop signal has come, or standard input has ended while it is watched.
  static bool StopRequested();
  // From now on the end of standard input (or anything more that comes on it) stops the run as
  // a stop signal does: the window that started this run with other rights cannot signal it, so
  // it closes the input instead.
  static void StopWhenInputEnds();

 private:
  TCliOutput& output_;
  IWipeServices* previous_;
  TWipeEngine* running_ = nullptr;
};
