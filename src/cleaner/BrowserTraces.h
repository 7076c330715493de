#pragma once
// The work of the catalogue's browser items that collect their entries when they run.

#include <string>
#include <vector>

#include "cleaner/TEraseFiles.h"
#include "cleaner/TEraseRegistry.h"

// The profile folders (with trailing separator) below the base folder: the folders that hold the
// marker file, in the order a walk finds them (a folder's own files before its subfolders).
std::vector<std::string> FindProfiles(TEraseFiles& item, const std::string& baseFolder,
                                      const std::string& markerFile);
// The Mozilla and Opera profile folders below the application data folder.
std::vector<std::string> MozillaProfiles(TEraseFiles& item);
std::vector<std::string> OperaProfiles(TEraseFiles& item);

void CollectInternetCache(TEraseFiles& item);
void CollectInternetHistory(TEraseFiles& item);
void CollectInternetCookies(TEraseFiles& item);
void CollectTypedUrls(TEraseRegistry& item);
void CollectInternetCacheIndex(TEraseFiles& item);
void CollectDownloadedProgramFiles(TEraseFiles& item);
