#pragma once
// Every question and message the windows put to the user goes through the prompt service in
// use: the message boxes, the file and folder dialogs and the input prompt. The program uses
// the Qt dialogs; tests install a service that answers from a script. Texts are shown as they
// are: a path that looks like markup is never rendered as markup.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

// The message dialog's two kinds: caption "Warning" with the warning icon, or "Information"
// with the information icon.
enum class TMessageKind { Warning, Information };

// Icons of the system message box.
enum class TSystemIcon { Information, Error, Question };

// How a message with details is captioned: like the message dialog's warning, or like the
// plain message (the application title, no icon).
enum class TReportKind { Warning, Plain };

class IPromptService {
 public:
  virtual ~IPromptService() = default;

  // The message dialog: caption and icon of the kind, one OK button.
  virtual void MessageDialog(TMessageKind kind, const QString& text) = 0;
  // A plain message with the application title as caption and one OK button.
  virtual void PlainMessage(const QString& text) = 0;
  // The system message box captioned with the application title. With the question icon it
  // offers Yes and No (the default, and what Escape does) and answers true only for Yes;
  // otherwise it has one OK button and answers true.
  virtual bool SystemMessage(TSystemIcon icon, const QString& text) = 0;
  // The standard confirmation: caption "Confirm", question icon, Yes and No (the default).
  // True only for Yes; Escape counts as No.
  virtual bool Confirm(const QString& text) = 0;
  // The question before something that cannot be undone, captioned with the application title:
  // the text, a button that says what happens ("Wipe 3 files") and Cancel, which is the default
  // button and what Escape does. With a check-box text, the box stands under the text and
  // `checked` tells whether it was ticked when the question closed; with none, there is no
  // box. True only for the action's button.
  virtual bool AskBeforeRun(const QString& text, const QString& action, const QString& checkBox,
                            bool& checked) = 0;
  // A message with a one-line text, the informative lines under it (may be empty), and a list
  // that the box shows on demand, scrollable and selectable, one entry per line.
  virtual void DetailedMessage(TReportKind kind, const QString& text, const QString& informative,
                               const QString& details) = 0;

  // The file-open dialog with several files allowed; the files must exist. The chosen paths,
  // in the dialog's order, or nothing when cancelled.
  virtual std::vector<std::string> OpenFiles(const QString& title, const QString& filter) = 0;
  // The folder browser with the text above it; nothing when cancelled.
  virtual std::optional<std::string> BrowseFolder(const QString& text) = 0;
  // The file-save dialog opened in the folder; the default suffix is added to a name without
  // one. Nothing when cancelled.
  virtual std::optional<std::string> SaveFile(const QString& title, const QString& filter,
                                              const QString& defaultSuffix,
                                              const std::string& folder) = 0;
  // A one-line input prompt with a caption, a prompt text and the initial value; nothing when
  // cancelled.
  virtual std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                           const QString& value) = 0;
};

// The service in use; never null (the Qt dialogs unless another is installed).
IPromptService& Prompts();
// Installs a service (null puts back the Qt dialogs) and returns the one it replaces. The caller
// keeps ownership.
IPromptService* SetPromptService(IPromptService* service);

// Installs a service for the lifetime of the object, then puts back the one before.
using ScopedPromptService = platform::ScopedOverride<&SetPromptService>;
