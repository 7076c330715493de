#include "cleaner/TEraserEngine.h"

#include <pugixml.hpp>

#include "cleaner/PrefsValues.h"
#include "platform/FileSystem.h"

TEraserEngine::TEraserEngine() : Shredder(std::make_unique<TShredder>()) {}

TEraserEngine::~TEraserEngine() = default;

void TEraserEngine::SetLoadAtStartup(bool value) { LoadAtStartup = value; }

void TEraserEngine::LoadFromFile(const std::string& fileName) {
  if (fileName.empty() || !platform::fs().info(fileName)) return;
  try {
    std::optional<std::string> text = platform::fs().readFile(fileName, kMaxPrefsFileSize);
    if (!text) return;
    pugi::xml_document document;
    if (!document.load_buffer(text->data(), text->size(), pugi::parse_default)) return;
    pugi::xml_node configuration = document.child("Configuration");
    if (!configuration) return;

    if (pugi::xml_node options = configuration.child("Options")) {
      SetLoadAtStartup(ReadBool(options, "LoadAtStartup"));
      StartInSystemTray = ReadBool(options, "StartInSystemTray");
      AutoCleanAtWindowsStart = ReadBool(options, "AutoCleanAtWindowsStart");
      AutoCleanAtWindowsShutdown = ReadBool(options, "AutoCleanAtWindowsShutdown");
    }
    Shredder->Load(configuration);
  } catch (const std::exception&) {
    // A failure ends the reading; what was read so far stays.
  }
}
