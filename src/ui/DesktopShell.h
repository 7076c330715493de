#pragma once
// Opening web pages, mail addresses and program files with the desktop. Tests install their
// own handlers so that nothing is opened for real.

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

#include "platform/ScopedOverride.h"

// The maker's web site, without a trailing separator.
QString ProductSite();

// Opens a web page, a mail address, a file or a folder with the desktop's default program.
// False when no program could be started for it (no browser, no desktop).
bool ShellOpen(const QUrl& target);
// Starts a program file, detached from this program.
void ShellRun(const std::string& program);

using TShellOpenHandler = std::function<void(const QUrl&)>;
using TShellRunHandler = std::function<void(const std::string&)>;
// What stands in place of the desktop; an empty handler leaves its part to the desktop. Opened
// answers whether an opened target found a program (always, when it is empty).
struct TShellHandlers {
  TShellOpenHandler Open;
  TShellRunHandler Run;
  std::function<bool(const QUrl&)> Opened{};
};
// Installs handlers and returns the ones they replace.
TShellHandlers SetShellHandlers(TShellHandlers handlers);

// Installs handlers for the lifetime of the object, then puts back the ones before.
using ScopedShellHandlers = platform::ScopedOverride<&SetShellHandlers>;
