#pragma once
// The work of the Chromium-family items (Chrome, Chromium, Brave, Edge, Vivaldi, Opera), for
// every profile found afresh when the item runs. A profile whose browser is running is skipped
// and named. History, cookies and form data go row by row inside the browser's databases, so
// that the bookmarks, saved passwords and cards, and the browser's settings stay.

#include "cleaner/TEraseFiles.h"

// "History": visits, addresses, downloads and search terms; with them the files that only
// repeat the history (visited links, top sites, address-bar shortcuts and predictions, the
// downloads' metadata, the suggestions' databases) and the icons of the pages visited
// ("Favicons"), except those of bookmarked pages. When the saved session still lists pages and
// the sessions item is not part of the run, a note says so.
void ClearChromiumHistory(TEraseFiles& item);
// The saved session: the tabs and windows the browser reopens, and the tabs closed lately.
void CollectChromiumSessions(TEraseFiles& item);
// What sites keep of their own: local and session storage, IndexedDB, service workers, the
// pages' file systems and databases, and the browser's notes of each site.
void CollectChromiumSiteData(TEraseFiles& item);
// "Cookies" (older) and "Network/Cookies" (newer): every cookie.
void ClearChromiumCookies(TEraseFiles& item);
// The disk cache and the code cache, below the user's cache folder and in the profile.
void CollectChromiumCache(TEraseFiles& item);
// "Web Data": the addresses and entries typed into forms, never passwords or cards.
void ClearChromiumFormData(TEraseFiles& item);
