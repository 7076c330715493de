#pragma once
// The item-properties dialog: edits one folder item of a cleaning list, either the entire
// folder or the folder's files that include patterns select, optionally minus the files that
// exclude patterns select. Created hidden and reused; its controls keep their contents.

#include <QDialog>
#include <memory>
#include <string>

class QComboBox;
class QListWidget;
class TfmShowFiles;
namespace Ui {
class TfmItemProps;
}

class TfmItemProps : public QDialog {
  Q_OBJECT

 public:
  explicit TfmItemProps(QWidget* parent = nullptr);
  ~TfmItemProps() override;

  // After OK: "<Entire folder>", or the include patterns separated by single blanks.
  std::string IncludePatterns;
  // After OK: the exclude patterns separated by single blanks when excluding, else empty.
  std::string ExcludePatterns;
  // True when the last showing ended with OK; cleared each time the dialog is shown.
  bool Accepted = false;
  // The folder's text, as the user's bytes.
  std::string FolderPath() const;
  TfmShowFiles& ShowFilesDialog() const { return *showFiles_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void radEntireFolderClick();
  void radFolderContentClick();
  void chkExcludeFilesClick();
  void btnBrowseClick();
  void btnOKClick();
  void btnCancelClick();

 private:
  static void addPattern(QComboBox* patterns, QListWidget* list);
  void showFiles(QListWidget* list);
  static std::string joined(const QListWidget* list);

  std::unique_ptr<Ui::TfmItemProps> ui;
  TfmShowFiles* showFiles_;
};

// The folder browser ("Please specify a directory"); the chosen folder, or empty text.
std::string BrowseForFolder(QWidget* owner);
