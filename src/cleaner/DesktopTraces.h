#pragma once
// The work of the Desktop items: the thumbnails the desktop keeps of every picture and document
// shown, the histories of shells and interactive tools, and KDE's record of the files used.

#include "cleaner/TEraseFiles.h"

// ~/.cache/thumbnails (freedesktop.org thumbnail spec 0.9: normal/, large/, x-large/,
// xx-large/ and fail/<program>/, one PNG per file shown), and the same folder of each flatpak
// application (~/.var/app/<id>/cache/thumbnails): every thumbnail.
void CollectThumbnails(TEraseFiles& item);
// The histories of bash, zsh, fish, python, less, sqlite3 and node, emptied in place: a shell
// that holds its history open goes on writing to the same, now empty, file, which keeps its
// owner and mode.
void EmptyShellHistories(TEraseFiles& item);
// ~/.local/share/kactivitymanagerd/resources/database (SQLite, Plasma 5.27 and 6.0): the
// events of files used and the scores built from them, in the tables the database has. Files
// linked to an activity by the user (ResourceLink) and what describes them stay.
void ClearKdeActivities(TEraseFiles& item);
// Crash reports: Firefox's and Thunderbird's ("Crash Reports/pending", "submitted" and "events"
// of each install; "minidumps" and "crashes" of each profile), the Chromium family's ("Crash
// Reports/completed", "pending", "new" and "attachments" of each install), and what the cache
// folder keeps under a name that holds "crash". The folders themselves stay.
void CollectCrashReports(TEraseFiles& item);
