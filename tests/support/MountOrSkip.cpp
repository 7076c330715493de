#include "support/MountOrSkip.h"

#include "platform/FileSystem.h"
#include "platform/Journal.h"
#include "platform/PathText.h"
#include "support/ScopedMount.h"

std::string MountProblem(const ScopedMount& mount, const std::string& work) {
  if (!mount.mounted()) return "the test's file system could not be mounted: " + mount.reason();
  const std::string holder = platform::parentFolderOf(mount.point());
  if (platform::journals().volumeOf(mount.point()) == platform::journals().volumeOf(holder)) {
    return "nothing new is mounted at " + mount.point();
  }
  if (work.empty()) return {};
  if (const platform::Status made = platform::fs().createFolder(work); !made) {
    return "no folder " + work +
           " could be made on the test's file system: " + made.error().message();
  }
  return {};
}
