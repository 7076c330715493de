#pragma once
// Opening web pages, mail addresses and program files with the desktop. Tests install their
// own handlers so that nothing is opened for real.

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

// The maker's web site, without a trailing separator.
QString ProductSite();

// Opens a web page, a mail address, a file or a folder with the desktop's default program.
void ShellOpen(const QUrl& target);
// Starts a program file, detached from this program.
void ShellRun(const std::string& program);

using TShellOpenHandler = std::function<void(const QUrl&)>;
using TShellRunHandler = std::function<void(const std::string&)>;
// Installs handlers in place of the desktop; empty handlers put the desktop back.
void SetShellHandlers(TShellOpenHandler open, TShellRunHandler run);
