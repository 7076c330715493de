#pragma once
// Traces kept inside files that must stay: a history a shell holds open, a program's settings
// file that also holds its list of recent documents. The item edits such a file instead of
// deleting it, with the same preview, records and journal notes as a deletion.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TEraseFiles;

// Empties the file in place: the same file (its owner, its mode, the handles others hold on it)
// ends with no content. With the engine's overwrite option the content is overwritten with zeros
// and forced to the device first. A link or something other than an ordinary file is passed
// over; a file with other names (hard links) is left whole and named.
void EmptyFileInPlace(TEraseFiles& item, const std::string& path);

// Turns a file's text into the text without its traces, counting the entries it took out; null
// when the text is not of the form the item knows (the file is then left as it is).
using TListEdit =
    std::function<std::optional<std::string>(const std::string& text, std::size_t& removed)>;

// Rewrites the file without its traces: read whole, edited, and replaced as one step (a
// temporary file renamed over it, keeping owner and mode). The result is read back and must
// come out of the edit unchanged, with nothing more to remove. With the engine's overwrite
// option the earlier file is held open across the replacement and then overwritten with zeros
// in its own blocks, so that no old copy of the list stays in the free space (a note says so
// when that could not be done). `noun` names the entries in the records ("recent documents").
void RewriteListFile(TEraseFiles& item, const std::string& path, const TListEdit& edit,
                     const std::string& noun, std::uint64_t maxSize = 16u << 20);
