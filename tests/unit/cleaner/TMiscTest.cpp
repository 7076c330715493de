#include "cleaner/TMisc.h"

#include <gtest/gtest.h>

#include "cleaner/PrefsValues.h"
#include "cleaner/TPluginManager.h"

namespace {

TEST(ShortCut, TextAndCodesConvertBothWays) {
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+Q"), 0xC051);
  EXPECT_EQ(TextToShortCut("Alt+Q"), 0x8051);
  EXPECT_EQ(TextToShortCut("alt+ctrl+q"), 0xC051);
  EXPECT_EQ(TextToShortCut("Shift+F12"), 0x207B);
  EXPECT_EQ(TextToShortCut("Ctrl+PgDn"), 0x4022);
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Banana"), 0);
  EXPECT_EQ(ShortCutToText(0xC051), "Ctrl+Alt+Q");
  EXPECT_EQ(ShortCutToText(0xE030), "Shift+Ctrl+Alt+0");
  EXPECT_EQ(ShortCutToText(0x2E), "Del");
  EXPECT_EQ(ShortCutToText(0), "");
  for (unsigned code = 0; code <= 0xFF; ++code) {
    const auto shortCut = static_cast<TShortCut>(scCtrl | code);
    const std::string text = ShortCutToText(shortCut);
    if (!text.empty()) {
      EXPECT_EQ(TextToShortCut(text), shortCut) << text;
    }
  }
}

TEST(Misc, ShortCutsKeepTheirDefaultsForEmptyTextsAndStopAtAMissingOne) {
  TMisc misc;
  EXPECT_EQ(misc.QuickClean, 0xC051);
  EXPECT_EQ(misc.StopTask, 0xC054);
  ASSERT_NE(misc.StartupManager, nullptr);
  EXPECT_TRUE(misc.StartupManager->Items.empty());

  pugi::xml_document document;
  document.load_string(R"(<Configuration><Misc><ShortCuts QuickClean="" CleanAndReboot="Alt+Q"
      CleanAndShutDown="Nothing"/></Misc></Configuration>)");
  EXPECT_THROW(misc.Load(document.child("Configuration")), EConvertError);
  EXPECT_EQ(misc.QuickClean, 0xC051);
  EXPECT_EQ(misc.CleanAndReboot, 0x8051);
  EXPECT_EQ(misc.CleanAndShutDown, 0);
  EXPECT_EQ(misc.StopTask, 0xC054);

  pugi::xml_document saved;
  pugi::xml_node configuration = saved.append_child("Configuration");
  misc.Save(configuration);
  TMisc copy;
  copy.Load(configuration);
  EXPECT_EQ(copy.CleanAndReboot, 0x8051);
  EXPECT_EQ(copy.CleanAndShutDown, 0);
}

TEST(PluginManager, TheListIsReplacedOnlyWhenItsElementExists) {
  TPluginManager plugins;
  plugins.CheckedPlugins = {"old.dll"};
  pugi::xml_document document;
  document.load_string("<Configuration><Plugins/></Configuration>");
  plugins.Load(document.child("Configuration"));
  EXPECT_EQ(plugins.CheckedPlugins, std::vector<std::string>{"old.dll"});
  document.load_string("<Configuration><Plugins><CheckedPlugins/></Plugins></Configuration>");
  plugins.Load(document.child("Configuration"));
  EXPECT_TRUE(plugins.CheckedPlugins.empty());
  document.load_string(R"(<Configuration><Plugins><CheckedPlugins><Item FileName="a"/>
      <Other FileName="a"/><Item/><Item FileName="never"/></CheckedPlugins></Plugins></Configuration>)");
  EXPECT_THROW(plugins.Load(document.child("Configuration")), EConvertError);
  EXPECT_EQ(plugins.CheckedPlugins, (std::vector<std::string>{"a", "a"}));
}

}  // namespace
