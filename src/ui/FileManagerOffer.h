#pragma once
// The Options page's offer to add "Wipe with Ferrovane" to the user's file managers: it asks
// first, writes the entries for this copy of the program, asks again before it changes Thunar's
// list of actions, and tells what was added and what could not be.

#include <string>

class IPromptService;

// program: the full path of the window program the entries start.
// prompts: the questions and messages of the window that offers them (the program's when none
// are given).
void OfferFileManagerEntries(IPromptService& prompts, const std::string& program);
void OfferFileManagerEntries(const std::string& program);
