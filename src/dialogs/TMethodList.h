#pragma once
// The method list of the methods dialog and of the Options page: a row per method of the
// catalogue, the selected method's description, and New, Edit and Delete through the method
// editor. A method file that cannot be written changes nothing; a method that a running wipe
// uses is neither edited nor deleted; deleting a method that kinds of wipe were set to use says
// so and sets them back to the default method. A method whose file could not be read whole is
// marked: it can be edited (which stores it whole) but not chosen for a wipe. The methods that
// come with the program open read-only, with Copy to make an editable copy.

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TfEditMethod;
class TWipeEngine;
class TWipeMethodsManager;
class TWipeMethod;

// What the user calls the kind of wipe an engine does ("Wipe Files" for "WipeFiles", ...); the
// engine's own name for an engine of no known kind.
QString WipeKindCaption(const std::string& engineName);

class TMethodList : public QObject {
  Q_OBJECT

 public:
  // The list, the description and the buttons that need a selected row belong to the form that
  // shows them.
  TMethodList(QTreeWidget& list, QPlainTextEdit& description, QAbstractButton& edit,
              QAbstractButton& remove, TfEditMethod& editor, TWipeMethodsManager& catalogue,
              QObject* parent = nullptr);

  // The engines whose runs and settings the list's changes must respect.
  void SetEngines(std::vector<TWipeEngine*> engines) { engines_ = std::move(engines); }

  // Rebuilds the rows from the catalogue and selects the method's row, else the first.
  void Fill(const TWipeMethod* selected);
  // Appends a row for the method, not selected.
  QTreeWidgetItem* AddMethodRow(TWipeMethod& method);
  TWipeMethod* SelectedMethod() const;
  // Selects the method's row; none when it has none.
  void Select(const TWipeMethod* method);

  void NewMethod();
  void EditMethod();
  void DeleteMethod();
  // Records the selected method as the engine's in the settings file. False,
  // after telling the user why, when it cannot be; false without a word when no row is selected.
  bool RecordForEngine(TWipeEngine& engine);

 private:
  // The description of the selected method, and the buttons that need a selected row.
  void SelectionChanged();
  void showRow(QTreeWidgetItem& row, const TWipeMethod& method) const;
  QTreeWidgetItem* rowOf(const TWipeMethod* method) const;
  // Tells the user and answers true when a running wipe uses the method.
  bool refusedWhileRunning(const TWipeMethod& method, const QString& change) const;
  // Asks for the file of a new method: a name in the Methods folder, ending in ".mtd". Empty
  // when the user cancels.
  std::string askNewFileName() const;
  // Saves the editor's result under the method's file name and then takes it into the method.
  // False, after telling the user, when the file could not be written: the method stays as it
  // was.
  bool storeEdit(TWipeMethod& method);
  // Shows the editor on a method not yet in the catalogue; on OK stores it under the file name
  // (taking the place of a loaded method that has that file), adds it and selects its row.
  void addEdited(std::unique_ptr<TWipeMethod> method, const std::string& fileName,
                 const QString& caption);
  // An editable copy of a shipped method, under a free file name of its own.
  void copyMethod(const TWipeMethod& shipped);

  QTreeWidget& list_;
  QPlainTextEdit& description_;
  QAbstractButton& edit_;
  QAbstractButton& remove_;
  TfEditMethod& editor_;
  TWipeMethodsManager& catalogue_;
  std::vector<TWipeEngine*> engines_;
};
