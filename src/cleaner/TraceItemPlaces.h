#pragma once
// Where the trace items whose captions name Windows places reach on Linux, and which items
// name places that Linux never has (Internet Explorer, AOL, and the lists and settings Windows
// keeps in its registry). The captions stay as they are; the windows show the place beside them.

#include <string>

class TraceItemPlaces {
 public:
  // The place the item reaches on this system, in the user's words; empty when the caption
  // says it already or the item reaches nothing here.
  static std::string PlaceOf(const std::string& itemName);
  // Whether the item names a place that exists only on Windows.
  static bool WindowsOnly(const std::string& itemName);
};
