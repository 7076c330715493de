#pragma once
// The work of the catalogue's browser items that collect their entries when they run.

#include <string>
#include <vector>

#include "cleaner/TEraseFiles.h"
#include "cleaner/TEraseRegistry.h"

// The Firefox and Thunderbird items: for every profile found afresh that no browser holds (a
// held one is skipped and named in the engine's records), the cache ("cache2" in the profile
// and in the user's cache folder), the cookies and the form history (the databases with their
// journal files), and the history, removed inside "places.sqlite" so that the bookmarks stay.
void CollectMozillaCache(TEraseFiles& item);
void ClearMozillaHistory(TEraseFiles& item);
void CollectMozillaCookies(TEraseFiles& item);
void CollectMozillaFormHistory(TEraseFiles& item);
// The Opera items, for the current Opera and the older one, the same way.
void CollectOperaCache(TEraseFiles& item);
void CollectOperaHistory(TEraseFiles& item);
void CollectOperaCookies(TEraseFiles& item);
void CollectOperaFormsData(TEraseFiles& item);

void CollectInternetCache(TEraseFiles& item);
void CollectInternetHistory(TEraseFiles& item);
void CollectInternetCookies(TEraseFiles& item);
void CollectTypedUrls(TEraseRegistry& item);
void CollectInternetCacheIndex(TEraseFiles& item);
void CollectDownloadedProgramFiles(TEraseFiles& item);
