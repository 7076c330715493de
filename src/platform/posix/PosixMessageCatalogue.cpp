// The gettext catalogue of the program through the C library's libintl. The catalogues of a
// build lie in locale/ beside the programs; those of an installed program where the C library
// looks for every program's, share/locale/ beside its bin/ folder.

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/MessageCatalogue.h"

#ifndef FERROVANE_LOCALE_FROM_PROGRAM
// Where an installed program's catalogues lie, seen from the program's folder.
#define FERROVANE_LOCALE_FROM_PROGRAM "../share/locale"
#endif

namespace platform {
namespace {

constexpr const char* kDomain = "ferrovane";

std::once_flag chosen;
std::string catalogueFolder;
// The user puts English before any language with a catalogue: the texts as written.
bool englishFirst = false;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// The language part of a locale name ("de_DE.UTF-8" gives "de_DE"), empty for C and POSIX.
std::string languageOf(const std::string& locale) {
  const std::string language = locale.substr(0, locale.find_first_of(".@"));
  if (language == "C" || language == "POSIX") return {};
  return language;
}

// The locale that names the messages' language, as the C library picks it.
std::string messagesLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (std::string value = environment(name); !value.empty()) return value;
  }
  return {};
}

void choose() {
  if (!std::setlocale(LC_MESSAGES, "")) {
    // The user's locale is not installed on this machine (only its language files are missing
    // from the C library, not ours): the messages still follow its language, as the window's do.
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    if (const std::string language = languageOf(messagesLocale());
        !language.empty() && environment("LANGUAGE").empty()) {
      ::setenv("LANGUAGE", language.c_str(), 0);
    }
  }
  // The first language the user names decides whether English comes before the others (gettext
  // itself would pass over English, which has no catalogue, to the next one).
  const std::string languages = environment("LANGUAGE");
  const std::string first =
      languageOf(languages.empty() ? messagesLocale() : languages.substr(0, languages.find(':')));
  englishFirst = first == "en" || first.rfind("en_", 0) == 0;
  const std::string program = programFolder();
  std::string folder = program + "locale/";
  if (!fs().info(folder)) folder = program + FERROVANE_LOCALE_FROM_PROGRAM "/";
  catalogueFolder = folder;
  ::bindtextdomain(kDomain, folder.c_str());
  // The catalogues are written in UTF-8 and so are the terminal and the window.
  ::bind_textdomain_codeset(kDomain, "UTF-8");
}

}  // namespace

void useMessageCatalogue() {
  std::call_once(chosen, choose);
}

const char* translatedMessage(const char* text) {
  useMessageCatalogue();
  return englishFirst ? text : ::dgettext(kDomain, text);
}

const char* translatedMessage(const char* singular, const char* plural, unsigned long count) {
  useMessageCatalogue();
  if (englishFirst) return count == 1 ? singular : plural;
  return ::dngettext(kDomain, singular, plural, count);
}

std::string messageCatalogueFolder() {
  useMessageCatalogue();
  return catalogueFolder;
}

}  // namespace platform
