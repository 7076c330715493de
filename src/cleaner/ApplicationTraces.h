#pragma once
// The work of the Applications items: the recent-document lists that LibreOffice, VLC and GIMP
// keep inside files that also hold their other settings. Each file is rewritten without the
// list (everything else kept byte for byte), as one step, and read back.

#include <cstddef>
#include <optional>
#include <string>

#include "cleaner/TEraseFiles.h"

// LibreOffice 6.0 to 24.8: <user>/registrymodifications.xcu, an XML document whose root
// <oor:items> holds one <item oor:path="..."> per changed setting, one per line. The recent
// documents are the items below
//   /org.openoffice.Office.Histories/Histories/org.openoffice.Office.Histories:HistoryInfo['PickList']
// (their OrderList and ItemList, with titles, filters and thumbnails), and below
// /org.openoffice.Office.Common/History/PickList in versions before 6.0. <user> is
// ~/.config/libreoffice/4/user, and the same below the snap's and the flatpak's folders.
void ClearLibreOfficeRecentDocuments(TEraseFiles& item);
// VLC 3.0: ~/.config/vlc/vlc-qt-interface.conf, a Qt settings file whose [RecentsMRL] section
// holds "list" (the media, comma separated) and "times" (where playback stopped).
void ClearVlcRecentMedia(TEraseFiles& item);
// GIMP 2.10 and 3.0: ~/.config/GIMP/<version>/documents, a list of
// (document "<uri>" (mime-type ...) ...) forms between comment lines.
void ClearGimpDocuments(TEraseFiles& item);

// The edits themselves: the text without the entries, and how many there were; null when the
// text is not of the application's form.
std::optional<std::string> WithoutLibreOfficeRecentDocuments(const std::string& xcu,
                                                             std::size_t& removed);
std::optional<std::string> WithoutVlcRecentMedia(const std::string& conf, std::size_t& removed);
std::optional<std::string> WithoutGimpDocuments(const std::string& documents, std::size_t& removed);
