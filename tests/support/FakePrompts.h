#pragma once
// A prompt service for window tests: dialogs answer from a script the test fills in advance,
// and every message shown is recorded. A dialog without a scripted answer counts as cancelled
// and is recorded as unexpected.

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "dialogs/PromptService.h"

class FakePrompts final : public IPromptService {
 public:
  struct Message {
    QString caption;  // "Warning", "Information", "Confirm" or the application title
    QString text;
    QString informative{};              // the lines under the text of a message with details
    QString details{};                  // the list a message with details shows on demand
    std::optional<TSystemIcon> icon{};  // the icon of a system message box
    QString action{};                   // the button of a question before a run
    bool offeredBox = false;            // that question offered "Do not ask again"
  };
  // What an input prompt showed.
  struct Input {
    QString caption, prompt, value;
  };

  // Installed while it lives; the service in use before is put back afterwards.
  FakePrompts() : installed_(*this) {}
  FakePrompts(const FakePrompts&) = delete;
  FakePrompts& operator=(const FakePrompts&) = delete;

  // Answers, used in order.
  std::deque<std::vector<std::string>> openFiles;
  std::deque<std::optional<std::string>> folders;
  std::deque<bool> confirmations;
  // Runs while a question of Confirm is open, before it is answered (what happens meanwhile).
  std::function<void(const QString&)> whileConfirming;
  // Whether the check box of a question is ticked when it closes (unticked when none is left).
  std::deque<bool> checkBoxes;
  // What happens while a question before a run is open, before it is answered (a path handed
  // over meanwhile, say); used in order, nothing when none is left.
  std::deque<std::function<void()>> whileAsking;
  std::deque<std::optional<std::string>> saveFiles;
  std::deque<std::optional<QString>> inputTexts;

  // What was shown.
  std::vector<Message> messages;
  // The last message shown; an empty one, which no test expects, when there was none.
  const Message& lastMessage() const {
    static const Message none{};
    return messages.empty() ? none : messages.back();
  }
  std::vector<QString> unexpected;
  std::vector<std::string> saveFolders;  // the folder each save dialog opened in
  std::vector<Input> inputs;

  void MessageDialog(TMessageKind kind, const QString& text) override {
    messages.push_back(
        {kind == TMessageKind::Warning ? QStringLiteral("Warning") : QStringLiteral("Information"),
         text});
  }
  void PlainMessage(const QString& text) override {
    messages.push_back({QStringLiteral("Ferrovane"), text});
  }
  bool SystemMessage(TSystemIcon icon, const QString& text) override {
    messages.push_back({QStringLiteral("Ferrovane"), text, {}, {}, icon});
    if (icon != TSystemIcon::Question) return true;
    return next(confirmations, false, text);
  }
  bool Confirm(const QString& text) override {
    messages.push_back({QStringLiteral("Confirm"), text});
    if (whileConfirming) whileConfirming(text);
    return next(confirmations, false, text);
  }
  bool AskBeforeRun(const QString& text, const QString& action, const QString& checkBox,
                    bool& checked) override {
    messages.push_back(
        {QStringLiteral("Ferrovane"), text, {}, {}, {}, action, !checkBox.isEmpty()});
    if (!whileAsking.empty()) {
      const std::function<void()> meanwhile = std::move(whileAsking.front());
      whileAsking.pop_front();
      if (meanwhile) meanwhile();
    }
    if (!checkBoxes.empty()) {
      checked = checkBoxes.front() && !checkBox.isEmpty();
      checkBoxes.pop_front();
    }
    return next(confirmations, false, text);
  }
  void DetailedMessage(TReportKind kind, const QString& text, const QString& informative,
                       const QString& details) override {
    messages.push_back(
        {kind == TReportKind::Warning ? QStringLiteral("Warning") : QStringLiteral("Ferrovane"),
         text, informative, details});
  }
  std::vector<std::string> OpenFiles(const QString& title, const QString&) override {
    return next(openFiles, {}, title);
  }
  std::optional<std::string> BrowseFolder(const QString& text) override {
    return next(folders, std::nullopt, text);
  }
  std::optional<std::string> SaveFile(const QString& title, const QString&, const QString&,
                                      const std::string& folder) override {
    saveFolders.push_back(folder);
    return next(saveFiles, std::nullopt, title);
  }
  std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                   const QString& value) override {
    inputs.push_back({caption, prompt, value});
    return next(inputTexts, std::nullopt, caption);
  }

 private:
  template <typename T>
  T next(std::deque<T>& answers, std::type_identity_t<T> cancelled, const QString& what) {
    if (answers.empty()) {
      unexpected.push_back(what);
      return cancelled;
    }
    // The answer is moved out first, and the emptied entry dropped once it has been.
    struct DropFront {
      std::deque<T>& queue;
      ~DropFront() { queue.pop_front(); }
    } drop{answers};
    return std::move(answers.front());
  }

  ScopedPromptService installed_;
};
