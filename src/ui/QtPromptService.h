#pragma once
// The prompt service of the program: Qt message boxes and dialogs, owned by the window that is
// active when they open.

#include "ui/PromptService.h"

class QtPromptService final : public IPromptService {
 public:
  void MessageDialog(TMessageKind kind, const QString& text) override;
  void PlainMessage(const QString& text) override;
  bool SystemMessage(TSystemIcon icon, const QString& text) override;
  bool Confirm(const QString& text) override;
  std::vector<std::string> OpenFiles(const QString& title, const QString& filter) override;
  std::optional<std::string> BrowseFolder(const QString& text) override;
  std::optional<std::string> SaveFile(const QString& title, const QString& filter,
                                      const QString& defaultSuffix,
                                      const std::string& folder) override;
  std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                   const QString& value) override;
};
