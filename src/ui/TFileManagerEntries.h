#pragma once
// "Wipe with Ferrovane" in the user's file managers: the menu entry (which also puts the program
// in "Open With"), a Dolphin service menu, a Nemo action, a Nautilus script and a Thunar custom
// action, each starting this copy of the window with the selection queued. They are made from
// the same templates as the entries the package ships, with this program's full path.

#include <optional>
#include <string>
#include <vector>

struct TEntryFile {
  std::string path;       // where the file manager looks for it, for this user
  std::string contents;   // the text of the entry
  bool runnable = false;  // file managers run it only when it is marked as a program
};

class TFileManagerEntries {
 public:
  // program: the full path of the window program the entries start.
  explicit TFileManagerEntries(std::string program);

  // The entries that are files of their own, under the user's data folder.
  std::vector<TEntryFile> UserFiles() const;
  // Thunar's actions file of the user, and the program's action in it.
  static std::string ThunarFile();
  std::string ThunarAction() const;

  // Writes the entries of UserFiles (their folders made as needed); "path: reason" for each
  // one that could not be written.
  std::vector<std::string> WriteUserFiles() const;
  // Puts the action into Thunar's file, keeping the user's other actions; the reason when it
  // could not (a file that cannot be read as Thunar's is left as it is).
  std::optional<std::string> WriteThunarAction() const;

  // The program as the first word of a desktop entry's Exec key, and of a shell command.
  static std::string DesktopExec(const std::string& program);
  static std::string ShellWord(const std::string& program);

 private:
  // A shipped template with this program put in; `xml`: as XML character data.
  std::string fromTemplate(const char* name, bool xml = false) const;

  std::string program_;
};
