#pragma once
// The desktop, as the window asks it to open web pages and folders or start programs: installed
// for the stand-in's lifetime, it records what it was asked and opens nothing.

#include <QUrl>
#include <string>
#include <vector>

#include "ui/DesktopShell.h"

// Records what the window asks the desktop to open or start; `browser`: whether a program
// opens web pages.
struct FakeShell {
  bool browser = true;
  std::vector<QUrl> opened;
  std::vector<std::string> started;
  ScopedShellHandlers installed{
      TShellHandlers{[this](const QUrl& url) { opened.push_back(url); },
                     [this](const std::string& program) { started.push_back(program); },
                     [this](const QUrl&) { return browser; }}};
};
