#include "dialogs/TMethodList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <exception>
#include <utility>

#include "core/Helpers.h"
#include "core/IniDocument.h"
#include "core/TIniFile.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/MethodText.h"
#include "dialogs/PromptService.h"
#include "dialogs/ShippedMethods.h"
#include "dialogs/TfEditMethod.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/TextCase.h"

namespace {

const char kEngines[] = "Engines";
const char kExtension[] = ".mtd";

TWipeMethod* methodOf(const QTreeWidgetItem* row) {
  return row ? reinterpret_cast<TWipeMethod*>(row->data(0, Qt::UserRole).value<quintptr>())
             : nullptr;
}

QString shownPath(const std::string& path) {
  return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

void showError(const QString& text) {
  Prompts().SystemMessage(TSystemIcon::Error, text);
}

void showError(const std::exception& error) {
  showError(QString::fromLocal8Bit(error.what()));
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList& items) {
  if (items.size() < 2) return items.join(QString());
  return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) +
         QCoreApplication::translate("TMethodList", " and ") + items.constLast();
}

bool endsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         platform::equalsNoCase(std::string_view(text).substr(text.size() - end.size()), end);
}

}  // namespace

QString WipeKindCaption(const std::string& engineName) {
  static const std::pair<const char*, const char*> kKinds[] = {
      {"WipeFiles", "Wipe Files"},
      {"WipeFolders", "Wipe Folders"},
      {"WipeFreeSpace", "Wipe Free Space"},
  };
  for (const auto& [name, caption] : kKinds) {
    if (engineName == name) return QString::fromLatin1(caption);
  }
  return QString::fromLocal8Bit(engineName);
}

TMethodList::TMethodList(QTreeWidget& list, QPlainTextEdit& description, QAbstractButton& edit,
                         QAbstractButton& remove, TfEditMethod& editor,
                         TWipeMethodsManager& catalogue, QObject* parent)
    : QObject(parent),
      list_(list),
      description_(description),
      edit_(edit),
      remove_(remove),
      editor_(editor),
      catalogue_(catalogue) {
  connect(&list_, &QTreeWidget::itemSelectionChanged, this, &TMethodList::SelectionChanged);
  connect(&list_, &QTreeWidget::itemDoubleClicked, this, &TMethodList::EditMethod);
}

void TMethodList::Fill(const TWipeMethod* selected) {
  {
    const QSignalBlocker quiet(list_);
    list_.clear();
    for (const auto& method : catalogue_.Methods) {
      QTreeWidgetItem* row = AddMethodRow(*method);
      if (method.get() == selected) list_.setCurrentItem(row);
    }
    if (list_.selectedItems().isEmpty() && list_.topLevelItemCount() > 0) {
      list_.setCurrentItem(list_.topLevelItem(0));
    }
  }
  SelectionChanged();
}

QTreeWidgetItem* TMethodList::AddMethodRow(TWipeMethod& method) {
  auto* row = new QTreeWidgetItem;
  row->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&method)));
  showRow(*row, method);
  list_.addTopLevelItem(row);
  return row;
}

void TMethodList::showRow(QTreeWidgetItem& row, const TWipeMethod& method) const {
  row.setText(0, ShownText(method.Name));
  if (method.ReadWhole) {
    row.setIcon(0, QIcon(QStringLiteral(":/icons/method.svg")));
    row.setToolTip(
        0, IsShippedMethod(method)
               ? QCoreApplication::translate("TMethodList",
                                             "Comes with Ferrovane: Edit shows it, and Copy there "
                                             "makes a copy you can change.")
               : QString());
  } else {
    row.setIcon(0, QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
    row.setToolTip(
        0, QCoreApplication::translate("TMethodList",
                                       "The file of this method could not be read whole (%1), so "
                                       "no wipe uses it. Edit it and press OK to store what was "
                                       "read as a whole method.")
               .arg(QString::fromLocal8Bit(method.ReadProblem)));
  }
}

TWipeMethod* TMethodList::SelectedMethod() const {
  const QList<QTreeWidgetItem*> selected = list_.selectedItems();
  return selected.isEmpty() ? nullptr : methodOf(selected.constFirst());
}

QTreeWidgetItem* TMethodList::rowOf(const TWipeMethod* method) const {
  for (int index = 0; index < list_.topLevelItemCount(); ++index) {
    QTreeWidgetItem* row = list_.topLevelItem(index);
    if (method && methodOf(row) == method) return row;
  }
  return nullptr;
}

void TMethodList::Select(const TWipeMethod* method) {
  if (QTreeWidgetItem* row = rowOf(method)) {
    list_.setCurrentItem(row);
  } else {
    list_.clearSelection();
  }
}

void TMethodList::SelectionChanged() {
  const TWipeMethod* method = SelectedMethod();
  QString text;
  if (method) {
    text = ShownDescription(method->Description);
    if (!method->ReadWhole) text.prepend(rowOf(method)->toolTip(0) + QStringLiteral("\n\n"));
  }
  description_.setPlainText(text);
  edit_.setEnabled(method != nullptr);
  remove_.setEnabled(method != nullptr);
}

bool TMethodList::refusedWhileRunning(const TWipeMethod& method, const QString& change) const {
  QStringList kinds;
  for (TWipeEngine* engine : engines_) {
    if (!engine->Running()) continue;
    if (catalogue_.MethodForEngine(*engine) == &method) {
      kinds << WipeKindCaption(engine->Name);
    }
  }
  if (kinds.isEmpty()) return false;
  Prompts().SystemMessage(
      TSystemIcon::Information,
      QCoreApplication::translate(
          "TMethodList",
          "The method \"%1\" cannot be %2 now: %3 is running with it.\nTry again once "
          "the wipe has ended.")
          .arg(ShownText(method.Name), change, listed(kinds)));
  return true;
}

std::string TMethodList::askNewFileName() const {
  const std::string methodsFolder = GetMethodsFolder();
  const std::optional<std::string> chosen = Prompts().SaveFile(
      QCoreApplication::translate("TMethodList", "Save As"),
      QCoreApplication::translate("TMethodList", "Ferrovane wipe method files (*%1)")
          .arg(kExtension),
      QStringLiteral("mtd"), methodsFolder);
  if (!chosen) return {};
  const std::size_t separator = chosen->rfind(platform::kSeparator);
  const std::string folder =
      separator == std::string::npos ? std::string() : chosen->substr(0, separator + 1);
  std::string name = separator == std::string::npos ? *chosen : chosen->substr(separator + 1);
  if (name.empty()) return {};
  // Only ".mtd" files are loaded at start: a method saved under another name would be lost.
  if (!endsWithNoCase(name, kExtension)) name += kExtension;
  if (folder != methodsFolder) {
    Prompts().SystemMessage(
        TSystemIcon::Information,
        QCoreApplication::translate(
            "TMethodList",
            "Method files can be saved only in \"%1\".\n\"%2\" will be saved in this "
            "folder.")
            .arg(shownPath(methodsFolder), shownPath(name)));
  }
  return methodsFolder + name;
}

bool TMethodList::storeEdit(TWipeMethod& method) {
  TWipeMethod edited;
  editor_.GetMethod(edited);
  edited.FileName = method.FileName;
  try {
    edited.SaveToFile();
  } catch (const std::exception& error) {
    showError(error);
    return false;
  }
  method.Assign(edited);
  return true;
}

void TMethodList::NewMethod() {
  const std::string fileName = askNewFileName();
  if (fileName.empty()) return;
  // A file that a loaded method already has: the new method takes that method's place.
  if (const TWipeMethod* existing = catalogue_.MethodByFileName(fileName)) {
    if (IsShippedMethod(*existing)) {
      Prompts().SystemMessage(
          TSystemIcon::Information,
          QCoreApplication::translate(
              "TMethodList",
              "\"%1\" is the file of \"%2\", which comes with Ferrovane and is not "
              "replaced.\nChoose another file name.")
              .arg(shownPath(existing->FileName), ShownText(existing->Name)));
      return;
    }
    if (refusedWhileRunning(*existing, QCoreApplication::translate("TMethodList", "replaced")))
      return;
    const QString question =
        QCoreApplication::translate(
            "TMethodList",
            "\"%1\" is the file of the method \"%2\".\nReplace that method with the "
            "new one?")
            .arg(shownPath(existing->FileName), ShownText(existing->Name));
    if (!Prompts().SystemMessage(TSystemIcon::Question, question)) return;
  }

  auto method = std::make_unique<TWipeMethod>();
  // The user writes the description; a stock text would be kept unread.
  method->Description.clear();
  addEdited(std::move(method), fileName, QCoreApplication::translate("TMethodList", "New Method"));
}

void TMethodList::addEdited(std::unique_ptr<TWipeMethod> method, const std::string& fileName,
                            const QString& caption) {
  editor_.setWindowTitle(caption);
  editor_.SetReadOnly(false);
  editor_.SetMethod(*method);
  if (editor_.exec() != QDialog::Accepted) return;

  if (TWipeMethod* existing = catalogue_.MethodByFileName(fileName)) {
    if (refusedWhileRunning(*existing, QCoreApplication::translate("TMethodList", "replaced")) ||
        !storeEdit(*existing)) {
      return;
    }
    if (QTreeWidgetItem* row = rowOf(existing)) {
      showRow(*row, *existing);
      list_.setCurrentItem(row);
    }
    SelectionChanged();
    return;
  }
  editor_.GetMethod(*method);
  method->FileName = fileName;
  try {
    method->SaveToFile();
  } catch (const std::exception& error) {
    showError(error);
    return;
  }
  // The new method is the one selected, ready for Edit or to be chosen.
  QTreeWidgetItem* row = AddMethodRow(*catalogue_.AddMethod(std::move(method)));
  list_.setCurrentItem(row);
  list_.scrollToItem(row);
}

void TMethodList::copyMethod(const TWipeMethod& shipped) {
  auto copy = std::make_unique<TWipeMethod>();
  copy->Assign(shipped);
  copy->Name = shipped.Name + " (copy)";
  const std::string fileName = GetMethodsFolder() + CopyFileName(shipped, catalogue_);
  addEdited(std::move(copy), fileName,
            QCoreApplication::translate("TMethodList", "Copy of Method"));
}

void TMethodList::EditMethod() {
  TWipeMethod* method = SelectedMethod();
  if (!method) return;
  if (IsShippedMethod(*method)) {
    // Shown as it is; Copy gives the user a method of their own to change.
    editor_.setWindowTitle(QCoreApplication::translate("TMethodList", "Method (read-only)"));
    editor_.SetReadOnly(true);
    editor_.SetMethod(*method);
    const int result = editor_.exec();
    editor_.SetReadOnly(false);
    if (result == TfEditMethod::CopyRequested) copyMethod(*method);
    return;
  }
  if (refusedWhileRunning(*method, QCoreApplication::translate("TMethodList", "edited"))) return;
  editor_.setWindowTitle(QCoreApplication::translate("TMethodList", "Edit Method"));
  editor_.SetReadOnly(false);
  editor_.SetMethod(*method);
  if (editor_.exec() != QDialog::Accepted) return;
  if (refusedWhileRunning(*method, QCoreApplication::translate("TMethodList", "edited")) ||
      !storeEdit(*method))
    return;
  if (QTreeWidgetItem* row = rowOf(method)) showRow(*row, *method);
  SelectionChanged();
}

void TMethodList::DeleteMethod() {
  TWipeMethod* method = SelectedMethod();
  if (!method ||
      refusedWhileRunning(*method, QCoreApplication::translate("TMethodList", "deleted"))) {
    return;
  }
  TWipeMethodsManager& catalogue = catalogue_;
  // The kinds of wipe that the settings file sets to this method.
  std::vector<const TWipeEngine*> users;
  QStringList kinds;
  const TIniFile settings(TWipeMethodsManager::SettingsFileName());
  for (const TWipeEngine* engine : engines_) {
    const std::string entry = settings.ReadString(kEngines, engine->Name, "");
    if (!entry.empty() && catalogue.MethodByFileName(GetMethodsFolder() + entry) == method) {
      users.push_back(engine);
      kinds << WipeKindCaption(engine->Name);
    }
  }
  QString question =
      QCoreApplication::translate("TMethodList", "Are you sure you want to delete method \"%1\"?")
          .arg(ShownText(method->Name));
  if (!users.empty()) {
    const TWipeMethod* fallback = nullptr;
    for (const auto& other : catalogue.Methods) {
      if (other.get() != method && other->ReadWhole) {
        fallback = other.get();
        break;
      }
    }
    question +=
        (users.size() == 1
             ? QCoreApplication::translate("TMethodList", "\n\n%1 is set to use it, and will ")
             : QCoreApplication::translate("TMethodList", "\n\n%1 are set to use it, and will "))
            .arg(listed(kinds));
    question +=
        fallback ? QCoreApplication::translate("TMethodList", "use \"%1\" instead.")
                       .arg(ShownText(fallback->Name))
                 : QCoreApplication::translate("TMethodList",
                                               "have no method, and wipe nothing, until another is "
                                               "chosen.");
  }
  if (!Prompts().SystemMessage(TSystemIcon::Question, question)) return;

  const platform::Status deleted = platform::fs().deleteFile(method->FileName);
  if (!deleted && deleted.error() != std::errc::no_such_file_or_directory) {
    showError(
        QCoreApplication::translate("TMethodList", "Unable to delete %1 (%2).")
            .arg(shownPath(method->FileName), QString::fromLocal8Bit(deleted.error().message())));
    return;
  }
  delete rowOf(method);
  list_.clearSelection();
  catalogue.RemoveMethod(method);
  method = nullptr;
  // The kinds of wipe set to it are set back: the catalogue gives them its default from now on.
  try {
    if (!users.empty()) {
      UpdateIniFile(TWipeMethodsManager::SettingsFileName(), [&users](IniDocument& document) {
        for (const TWipeEngine* engine : users) document.write(kEngines, engine->Name, "");
      });
    }
  } catch (const std::exception& error) {
    showError(error);
  }
  SelectionChanged();
}

bool TMethodList::RecordForEngine(TWipeEngine& engine) {
  TWipeMethod* method = SelectedMethod();
  if (!method) return false;
  if (!method->ReadWhole) {
    Prompts().SystemMessage(
        TSystemIcon::Information,
        QCoreApplication::translate(
            "TMethodList",
            "The method \"%1\" cannot be used: its file could not be read whole.\n"
            "Edit it and press OK to store what was read as a whole method.")
            .arg(ShownText(method->Name)));
    return false;
  }
  try {
    catalogue_.SetEngineMethod(engine, method);
  } catch (const std::exception& error) {
    showError(error);
    return false;
  }
  return true;
}
