#pragma once
// A named wipe method: a description and an ordered list of passes, stored one per ".mtd" file.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/IniSyntax.h"
#include "core/TPass.h"

class TWipeMethod {
 public:
  // Most passes read from a method file; a "Passes" count above it reads only this many. The
  // longest published method has 35 passes.
  static constexpr std::int32_t kMaxPasses = 1000;
  // Largest method file that is read; a larger one reads as an empty method.
  static constexpr std::uint64_t kMaxFileSize = 4ull << 20;
  // Longest text that is read from a method file (name, description, pass name, text pattern).
  static constexpr std::size_t kMaxTextLength = ini::kMaxValueLength;

  TWipeMethod() = default;
  TWipeMethod(const TWipeMethod&) = delete;
  TWipeMethod& operator=(const TWipeMethod&) = delete;

  std::int32_t NextPassNumber = 1;
  std::vector<std::unique_ptr<TPass>> Passes;
  std::string FileName;
  std::string Name = "New method";
  std::string Description = "New method Description";
  // False when LoadFromFile could not take in the whole file: it is missing or cannot be read,
  // it is larger than kMaxFileSize, it has more passes than kMaxPasses, or a text in it is
  // longer than kMaxTextLength. Such a method is listed but never used by an engine, and it is
  // not written back when the program ends, so the file keeps what could not be read. Assign
  // (how an edit is stored) makes the method whole again.
  bool ReadWhole = true;
  // Why LoadFromFile did not take the file, for the user ("Passes=-1 is not a number of
  // passes"); empty while the method is whole. Besides what cannot be read whole, a file is
  // refused that would make a method that writes nothing: one without a "Passes" count or with
  // one that is not a number from 0 to kMaxPasses, a pass of an unknown kind or a text pattern
  // without text, or binary content (control characters other than tab and line ends).
  std::string ReadProblem;

  void ClearPasses();
  // The pass at the zero-based index, or null when there is none.
  TPass* GetPass(std::int64_t index) const;
  int PassCount() const { return static_cast<int>(Passes.size()); }
  // A new pass named "pass<NextPassNumber>"; the caller appends it.
  std::unique_ptr<TPass> NewPass();
  // Appends a pass; the method owns it from then on.
  TPass* AddPass(std::unique_ptr<TPass> pass);
  // Removes and frees the pass if it belongs to this method.
  void DeletePass(const TPass* pass);
  // Copies name, description and passes (not FileName). The method then holds what was
  // assigned, so it counts as read whole.
  void Assign(const TWipeMethod& source);

  // Reads the method file named by FileName and appends its passes, and sets ReadWhole. A
  // missing or unreadable file reads as an empty name and description and no passes.
  void LoadFromFile();
  // Writes the method to FileName, updating the file in place. Raises EIniFileError.
  void SaveToFile() const;
};
