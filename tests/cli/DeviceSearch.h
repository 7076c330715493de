#pragma once
// What an examiner finds on the raw image of a file system a test unmounted: the names of
// deleted files, searched as ASCII and as UTF-16LE (the way NTFS, exFAT and FAT's long names
// keep them), and the markers of their content; and what a carving tool (PhotoRec, from
// Debian's testdisk) brings back from the image.

#include <cstddef>
#include <optional>
#include <set>
#include <string>

// Names are a prefix followed by a number of four digits and a tail of ordinary words
// ("fvgone-0042-minutes-of-the-board.txt"), long enough that a folder of a hundred of them
// takes several blocks.
struct NameFindings {
  std::set<int> ascii;     // the numbers found spelt in ASCII
  std::set<int> utf16;     // the numbers found spelt in UTF-16LE
  std::size_t copies = 0;  // every place either spelling was found
  std::size_t distinct() const;
};

// The name of number `index` with the prefix.
std::string MarkedName(const std::string& prefix, int index);
// Searches the bytes for names made by MarkedName with the prefix.
NameFindings FindNames(const std::string& bytes, const std::string& prefix);
// How often the text occurs in the bytes.
std::size_t CountIn(const std::string& bytes, const std::string& text);

// Runs PhotoRec over the whole image (documents and text, paranoid) into `folder` and
// counts the recovered files that hold the marker. None when PhotoRec is not installed.
std::optional<std::size_t> CarvedFilesHolding(const std::string& image, const std::string& folder,
                                              const std::string& marker);
