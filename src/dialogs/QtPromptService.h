#pragma once
// The prompt service of the program: Qt message boxes and dialogs. They open modal to the
// window given by the innermost TPromptParent alive (the progress window of a run, so that a
// question asked during a run is never hidden behind it), else to the active window.

#include "dialogs/PromptService.h"

class QWidget;

class QtPromptService final : public IPromptService {
 public:
  void MessageDialog(TMessageKind kind, const QString& text) override;
  void PlainMessage(const QString& text) override;
  bool SystemMessage(TSystemIcon icon, const QString& text) override;
  bool Confirm(const QString& text) override;
  bool AskBeforeRun(const QString& text, const QString& action, const QString& checkBox,
                    bool& checked) override;
  void DetailedMessage(TReportKind kind, const QString& text, const QString& informative,
                       const QString& details) override;
  std::vector<std::string> OpenFiles(const QString& title, const QString& filter) override;
  std::optional<std::string> BrowseFolder(const QString& text) override;
  std::optional<std::string> SaveFile(const QString& title, const QString& filter,
                                      const QString& defaultSuffix,
                                      const std::string& folder) override;
  std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                   const QString& value) override;
};

// While it lives, prompts open modal to the window and above it, also when the window stays on
// top of the others. The latest one made wins.
class TPromptParent {
 public:
  explicit TPromptParent(QWidget* window);
  ~TPromptParent();
  TPromptParent(const TPromptParent&) = delete;
  TPromptParent& operator=(const TPromptParent&) = delete;

 private:
  QWidget* window_;
};

// The window prompts open modal to now.
QWidget* PromptOwner();
