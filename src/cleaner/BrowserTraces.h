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
// The history also takes the icons of pages visited ("favicons.sqlite", those of bookmarked
// pages and their sites stay) and the sites bounced through; when the saved session still
// lists pages and the sessions item is not part of the run, a note says so.
void CollectMozillaCache(TEraseFiles& item);
void ClearMozillaHistory(TEraseFiles& item);
// The saved session (the windows and tabs restored, the tabs closed lately) and what sites keep
// of their own (local storage, IndexedDB, service workers and their caches).
void CollectMozillaSessions(TEraseFiles& item);
void CollectMozillaSiteData(TEraseFiles& item);
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
