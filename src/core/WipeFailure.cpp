#include "core/WipeFailure.h"

#include "core/Translated.h"
#include "platform/Folder.h"

std::string WipeFailureText(TWipeFailureReason reason) {
  switch (reason) {
    case TWipeFailureReason::NoMethod:
      return Tr("has no wipe method");
    case TWipeFailureReason::CannotOpen:
      return Tr("could not be opened");
    case TWipeFailureReason::PassFailed:
      return Tr("was not deleted");
    case TWipeFailureReason::CannotDelete:
      return Tr("could not be deleted");
    case TWipeFailureReason::FolderNotRemoved:
      return Tr("could not be removed");
    case TWipeFailureReason::KeptByUser:
      return Tr("was kept as you chose");
    case TWipeFailureReason::FreeSpaceFileNotCreated:
      return Tr("temporary file could not be created");
    case TWipeFailureReason::FreeSpaceFillFailed:
      return Tr("free space could not be filled");
    case TWipeFailureReason::NoFreeSpace:
      return Tr("had no free space");
    case TWipeFailureReason::SharedContent:
      return Tr("has other hard links; its content is shared");
    case TWipeFailureReason::Changed:
      return Tr("was replaced while it was being wiped");
    case TWipeFailureReason::CannotList:
      return Tr("could not be listed");
    case TWipeFailureReason::NotFound:
      return Tr("was not found");
    case TWipeFailureReason::DeletedUnwiped:
      return Tr("was deleted without being overwritten: the method has no passes");
    case TWipeFailureReason::MethodNotReadWhole:
      return Tr("method file could not be read");
    case TWipeFailureReason::NoLongerMounted:
      return Tr("is no longer mounted");
    case TWipeFailureReason::ReserveUnreachable:
      return Tr("free space reserved for the administrator was not wiped");
    case TWipeFailureReason::NeedsAdministrator:
      return Tr("needs administrator rights: no folder of its file system may be written");
    case TWipeFailureReason::Interrupted:
      return Tr("was not finished: an unexpected error stopped it");
    case TWipeFailureReason::VerificationFailed:
      return Tr("verification failed");
    case TWipeFailureReason::NotDiscarded:
      return Tr("free blocks were not discarded");
    case TWipeFailureReason::JournalNotCleared:
      return Tr("journal not cleared");
    case TWipeFailureReason::FreeSpaceNotWiped:
      return Tr("free space was not wiped completely");
    case TWipeFailureReason::MountedReadOnly:
      return Tr("is mounted read-only: nothing written");
    case TWipeFailureReason::LeftoverRemoved:
      return Tr("was left by an interrupted free-space wipe: removed");
    case TWipeFailureReason::SystemFileSystem:
      return Tr("is on a system file system");
    case TWipeFailureReason::NotOverwrittenInPlace:
      return Tr("was deleted, but its old blocks were not overwritten");
    case TWipeFailureReason::SharedBlocks:
      return Tr(
          "was deleted, but a snapshot or another file shares its blocks: its content stays "
          "there");
    case TWipeFailureReason::JournalContentRemains:
      return Tr("copies of the content of files deleted here remain in the file system journal");
    case TWipeFailureReason::KeptForMetadata:
      return Tr("space kept for the file system's metadata cannot be filled by a file");
    case TWipeFailureReason::FilledOnce:
      return Tr("free space was overwritten once, by the fill");
    case TWipeFailureReason::NamesInMetadata:
      return Tr("names may remain in the file system's metadata");
    case TWipeFailureReason::ReplacedSinceChosen:
      return Tr("was replaced since it was chosen: not wiped");
    case TWipeFailureReason::FreeSpaceRunning:
      return Tr("another free-space wipe of the drive is running");
    case TWipeFailureReason::MountPoint:
      return Tr("is a mount point");
    case TWipeFailureReason::FoundOnDevice:
      return Tr("was deleted, but the device check found it");
    case TWipeFailureReason::NotVerifiedOnDevice:
      return Tr("was deleted; the device check could not verify it");
    case TWipeFailureReason::NamesRemain:
      return Tr("names of wiped files remain");
  }
  return Tr("was not wiped");
}

std::string DescribeFailure(const TWipeFailure& failure) {
  // The drive by its mount point, as the user named it ("another free-space wipe of / is
  // running").
  if (failure.Reason == TWipeFailureReason::FreeSpaceRunning && !failure.Path.empty()) {
    const std::string& root = failure.Path;
    return Tr("another free-space wipe of ") +
           (root.size() > 1 && root.back() == '/' ? root.substr(0, root.size() - 1) : root) +
           Tr(" is running");
  }
  std::string text = WipeFailureText(failure.Reason);
  // Which system file system it is, in brackets ("is on a system file system (sysfs): not wiped").
  if (failure.Reason == TWipeFailureReason::SystemFileSystem) {
    if (!failure.Detail.empty()) text += " (" + failure.Detail + ")";
    return text + Tr(": not wiped");
  }
  // And which file system is mounted there ("is a mount point (tmpfs): not entered").
  if (failure.Reason == TWipeFailureReason::MountPoint) {
    if (!failure.Detail.empty()) text += " (" + failure.Detail + ")";
    return text + Tr(": not entered");
  }
  // Where a verification failed reads on from the text ("verification failed at byte 512").
  // What may remain of names reads on as one sentence ("...; a drive that ... keeps them").
  const char* joint = failure.Reason == TWipeFailureReason::VerificationFailed ||
                              failure.Reason == TWipeFailureReason::NotOverwrittenInPlace
                          ? " "
                      : failure.Reason == TWipeFailureReason::NamesInMetadata ? "; "
                                                                              : ": ";
  if (!failure.Detail.empty()) text += joint + failure.Detail;
  if (failure.Error) text += " (" + failure.Error.message() + ")";
  return text;
}

TWipeFailure MountPointFailure(const std::string& path, const std::string& mounted) {
  const TWipeFailureReason reason = platform::isSystemFileSystem(mounted)
                                        ? TWipeFailureReason::SystemFileSystem
                                        : TWipeFailureReason::MountPoint;
  return {path, reason, {}, mounted};
}

bool LeavesSomethingBehind(const TWipeFailure& failure) {
  return failure.Reason != TWipeFailureReason::NotFound &&
         failure.Reason != TWipeFailureReason::NotDiscarded &&
         failure.Reason != TWipeFailureReason::JournalNotCleared &&
         failure.Reason != TWipeFailureReason::LeftoverRemoved &&
         failure.Reason != TWipeFailureReason::KeptForMetadata &&
         failure.Reason != TWipeFailureReason::FilledOnce &&
         failure.Reason != TWipeFailureReason::NamesInMetadata &&
         failure.Reason != TWipeFailureReason::NotVerifiedOnDevice;
}
