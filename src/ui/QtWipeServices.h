#pragma once
// What a wipe run needs from the windows, done with Qt: the progress window (TfProgress unless
// another factory is set), the question about executables (through the prompt service) and
// letting Qt handle pending events between blocks.

#include <functional>
#include <memory>

#include "core/WipeServices.h"

class QtWipeServices final : public IWipeServices {
 public:
  // Makes and shows the progress window of one run of the engine. May return null; the run
  // then shows no progress.
  using TProgressFactory = std::function<std::unique_ptr<IWipeProgress>(TWipeEngine&)>;

  QtWipeServices();
  // The factory is fixed for the services' lifetime.
  explicit QtWipeServices(TProgressFactory progressFactory);

  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine& engine) override;
  bool ConfirmWipeExecutable(const std::string& path) override;
  void ProcessMessages() override;

 private:
  TProgressFactory progressFactory_;
};
