#include "ui/PromptService.h"

#include <utility>

#include "ui/QtPromptService.h"

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
