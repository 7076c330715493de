#pragma once
// Helpers shared by the whole program: folders of the program and the system, line breaks kept
// in settings, the files of a folder. The path and text helpers of every layer are in
// platform/PathText.h.
//
// The names speak of backslashes because stored settings and callers know them by these names;
// they use the platform's separator and are platform::withTrailingSeparator and
// platform::withoutTrailingSeparator.

#include <cstdint>
#include <string>
#include <vector>

// Empty stays empty; otherwise appends the separator unless the text already ends in one.
std::string AddTrailingBackslash(const std::string& text);
// Removes one final separator, if there is one.
std::string RemoveTrailingBackslash(const std::string& text);

// The user's temporary folder, with trailing separator.
std::string GetTempFolder();
// The system folder of Windows; empty where there is none (on Linux).
std::string GetWindowsFolder();
// The system's temporary folder below the Windows folder; empty where there is no Windows folder.
std::string GetWindowsTempFolder();
// The short (8.3) form of a path; empty where the platform has none.
std::string GetShortPath(const std::string& path);
// Kind of the drive whose root is given (0 unknown, 2 removable, 3 fixed, 4 remote, 5 optical,
// 6 RAM).
int GetDriveKind(const std::string& root);

// Every CR becomes "#13", then every LF "#10".
std::string EscapeLineBreaks(const std::string& text);
// Every "#13" becomes CR, then every "#10" LF.
std::string UnescapeLineBreaks(const std::string& text);

// The folder of the program file, with trailing separator.
std::string GetAppFolder();
// The folder "Methods" in the settings folder in use (core/SettingsFolder.h): beside the
// program, or the user's own. With trailing separator.
std::string GetMethodsFolder();

// Bare names of the ordinary files of the folder that match the mask: hidden files, folders,
// links and special files are left out. Sorted by name bytes so that every machine lists the
// same order. A folder that cannot be listed gives an empty list.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask);

// Bytes per cluster of the file system holding the path; 1 for a path that is not absolute or
// a file system that cannot be asked. Never less than 1.
std::uint32_t GetClusterSize(const std::string& path);

// Keeps a digit or backspace (character 8); anything else becomes character 0.
char FilterDigitKey(char key);
