#pragma once
// A list row that stands for a path: it keeps the path's bytes as they are, so the path never
// makes a round trip through the text shown, and the wipe job it shows, if any.

#include <QTreeWidgetItem>
#include <string>

#include "platform/FileSystem.h"

class TWipeItem;

class TPathRow : public QTreeWidgetItem {
 public:
  explicit TPathRow(std::string path, TWipeItem* item = nullptr)
      : Path(std::move(path)), Item(item) {}

  std::string Path;
  TWipeItem* Item;                // owned by its engine
  platform::FileSystemId Volume;  // a drive's row: the file system listed at Path
};
