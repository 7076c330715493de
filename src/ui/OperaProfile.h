#pragma once
// Finding the Opera browser's profile folder from what Opera and the shell leave in the
// registry of the current user.

#include <functional>
#include <optional>
#include <string>

// Reads a text value of a key below HKEY_CURRENT_USER (key path with a leading "\"); nothing
// when the key or the value is missing. Keys are opened, never created.
using TRegistryTextReader =
    std::function<std::optional<std::string>(const std::string& key, const std::string& value)>;

// The profile folder: beside the program named by Opera's last command line, else below the
// user's application-data folder; empty when neither exists. Only absolute folders qualify.
std::string FindOperaProfile(const TRegistryTextReader& readUserValue);

// Reads text values of the current user from the registry in use (platform::registry()).
TRegistryTextReader UserRegistryReader();
