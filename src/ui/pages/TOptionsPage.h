#pragma once
// The Options page: "Warn on deleting an executable file", which the Start buttons of the
// Delete-with-wiping page read, and the journal option of the catalogue's settings, which every
// wipe run reads (saved with the settings when the program ends).

#include <QWidget>
#include <memory>

namespace Ui {
class TOptionsPage;
}

class TOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit TOptionsPage(QWidget* parent = nullptr);
  ~TOptionsPage() override;

  // The state of "Warn on deleting an executable file" (unchecked at every start).
  bool WarnOnExecutable() const;

 private:
  std::unique_ptr<Ui::TOptionsPage> ui;
};
