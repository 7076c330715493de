#include "dialogs/PromptService.h"

#include <utility>

#include "dialogs/QtPromptService.h"

namespace {
IPromptService* installed = nullptr;
}  // namespace

IPromptService& Prompts() {
  static QtPromptService qtDialogs;
  return installed ? *installed : qtDialogs;
}

IPromptService* SetPromptService(IPromptService* service) {
  return std::exchange(installed, service);
}
