#pragma once
// The Options page's offer to add "Wipe with Ferrovane" to the user's file managers: it asks
// first, writes the entries for this copy of the program, asks again before it changes Thunar's
// list of actions, and tells what was added and what could not be.

#include <string>

// program: the full path of the window program the entries start.
void OfferFileManagerEntries(const std::string& program);
