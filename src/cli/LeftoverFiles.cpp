#include "cli/LeftoverFiles.h"

#include <algorithm>

#include "cli/TCliOutput.h"
#include "core/TFreeSpacePlace.h"
#include "core/TNumberFormat.h"
#include "core/Translated.h"

void MentionLeftoverFiles(TCliOutput& output, const std::vector<std::string>& roots,
                          const std::string& what) {
  std::vector<std::string> named;
  for (const std::string& root : roots) {
    for (const TLeftoverFile& file : FindFreeSpaceLeftovers(root)) {
      if (std::find(named.begin(), named.end(), file.Path) != named.end()) continue;
      named.push_back(file.Path);
      output.Problem(Substituted(Tr("{}: an interrupted free-space wipe left this temporary file "
                                    "({} bytes) on {}; {}"),
                                 {file.Path, TNumberFormat::User().Whole(file.Size), root, what}));
    }
  }
}
