#pragma once
// The program's own messages in the user's language, from the GNU gettext catalogue "ferrovane"
// (share/locale/<language>/LC_MESSAGES/ferrovane.mo, or locale/ beside a program in the build
// tree). The English text is the key: without a catalogue for the user's language, or under the C
// locale, every message is returned exactly as written.

#include <string>

namespace platform {

// Chooses the user's language for messages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) and finds the
// catalogue. Called once at the start of a program, before any thread; the lookups below call it
// themselves when no program did.
void useMessageCatalogue();

// The message in the user's language.
const char* translatedMessage(const char* text);
// The form of the message that fits the count, in the user's language (English: the singular
// for 1, the plural otherwise).
const char* translatedMessage(const char* singular, const char* plural, unsigned long count);

// The folder the catalogues were looked for in, with trailing separator (for tests).
std::string messageCatalogueFolder();

}  // namespace platform
