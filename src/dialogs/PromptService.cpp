#include "dialogs/PromptService.h"

#include "dialogs/QtPromptService.h"

namespace {
IPromptService* installed = nullptr;
}  // namespace

IPromptService& Prompts() {
  static QtPromptService qtDialogs;
  return installed ? *installed : qtDialogs;
}

void SetPromptService(IPromptService* service) { installed = service; }
