#include "cleaner/TEraserEngine.h"

#include "CleanerFixture.h"
#include "cleaner/PrefsValues.h"

namespace {

class EraserEngineTest : public CleanerTest {};

std::string Document(const std::string& body) {
  return "<Configuration>" + body + "</Configuration>";
}

const char* kOptions =
    R"(<Options LoadAtStartup="False" StartInSystemTray="True" AutoCleanAtWindowsStart="1" AutoCleanAtWindowsShutdown="true"/>)";

TEST(PrefsValues, BooleansAreTrueFalseInAnyCaseOrNumbers) {
  for (const char* text : {"True", "TRUE", "true", "1", "-3", "2.5", "0x10", " True "}) {
    EXPECT_TRUE(ParseBool(text)) << text;
  }
  for (const char* text : {"False", "fALSE", "0", "0.0", "-0"})
    EXPECT_FALSE(ParseBool(text)) << text;
  for (const char* text : {"yes", "", "on", "1a", "Truee", "."}) {
    EXPECT_THROW(ParseBool(text), EConvertError) << text;
  }
  EXPECT_EQ(ParseInteger("-12"), -12);
  EXPECT_THROW(ParseInteger("12 apples"), EConvertError);
}

TEST_F(EraserEngineTest, MissingOrUnreadableDocumentsChangeNothing) {
  folder.makeFolder("autostart");
  ASSERT_TRUE(registry.store().writeString(platform::kCurrentUser, RunKey(), "Ferrovane", "kept"));
  std::string deep, closed;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  for (int i = 0; i < 200000; ++i) closed += "</a>";
  const std::vector<std::string> documents = {
      "",
      "not xml at all",
      "<Configuration><Options LoadAtStartup=\"True\"",  // cut short
      "<Settings><Options LoadAtStartup=\"True\" StartInSystemTray=\"True\"/></Settings>",
      "<Configuration>" + deep,
      "<Configuration><Options>" + deep + closed + "</Options><Windows>" + deep + closed +
          "</Windows></Configuration>",
      std::string("\xFF\xFE<\0C\0", 6),
  };
  for (const std::string& text : documents) {
    auto engine = LoadEngine(text);
    EXPECT_FALSE(engine->StartInSystemTray);
    EXPECT_TRUE(engine->EraseRunHistory->Enabled);
    EXPECT_FALSE(engine->EraseRecycleBin->Enabled);
    // Named, never skipped in silence; and the file is left as it was.
    EXPECT_NE(engine->LoadProblem, "") << text.substr(0, 60);
    EXPECT_EQ(readFileBytes(folder / "program/prefs.dat"), text);
  }
  TEraserEngine missing;
  missing.LoadFromFile(folder / "program/absent.dat");
  EXPECT_EQ(missing.LoadProblem, "");  // no file is no damage
  folder.makeFolder("program/folder.dat");
  missing.LoadFromFile(folder / "program/folder.dat");
  EXPECT_NE(missing.LoadProblem, "");
  missing.ApplyLoadAtStartup();  // nothing read, nothing applied
  EXPECT_EQ(RunValue(), "kept");

  // A value that does not convert stops the load and says which.
  auto engine = LoadEngine(Document(R"(<Options LoadAtStartup="maybe"/>)"));
  EXPECT_NE(engine->LoadProblem, "");
}

TEST_F(EraserEngineTest, DocumentsThatAreNotWellFormedXmlAreIgnored) {
  // Each would apply its Options if it were read.
  const std::string options = R"(<Options LoadAtStartup="False" StartInSystemTray="True" )"
                              R"(AutoCleanAtWindowsStart="1" AutoCleanAtWindowsShutdown="1")";
  const std::vector<std::string> documents = {
      Document(options + "/>") + "<Configuration/>",           // two root elements
      Document(options + "/>") + "trailing text",              // text after the root
      Document(options + R"( StartInSystemTray="True"/>)"),    // a duplicated attribute
      Document(options + "/><Windows>&undefined;</Windows>"),  // an undefined entity
      Document(options + R"(/><Windows><EraseRunHistory Enabled="a<b"/></Windows>)"),  // "<"
      Document(options + "/>") + "<!-- unclosed comment",
      "<!DOCTYPE Configuration SYSTEM \"other.dtd\">" +                     // an entity declared
          Document(options + "/><Windows>&outside;</Windows>"),             // elsewhere: unknown
      "<!DOCTYPE Configuration [<!ENTITY file SYSTEM \"/etc/passwd\">]>" +  // another file
          Document(options + "/><Windows>&file;</Windows>"),
  };
  for (const std::string& text : documents) {
    SCOPED_TRACE(text);
    auto engine = LoadEngine(text);
    EXPECT_FALSE(engine->StartInSystemTray);
    EXPECT_FALSE(engine->AutoCleanAtWindowsStart);
  }

  // What a conforming parser accepts is read: declarations, comments, instructions, character
  // references, entities the document declares, another encoding.
  const std::vector<std::string> wellFormed = {
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!-- prefs -->\n<?app x?>" +
          Document(
              R"(<Options LoadAtStartup="False" StartInSystemTray="&#84;rue" )"
              R"(AutoCleanAtWindowsStart="1" AutoCleanAtWindowsShutdown="0"/>)"
              "<Shredder CleanFreeSpaceEnabled=\"True\"><WipeFiles><Item FileName=\"/caf\xE9\"/>"
              "</WipeFiles></Shredder>"),
      "<!DOCTYPE Configuration [<!ENTITY yes \"True\">]>" +
          Document(R"(<Options LoadAtStartup="False" StartInSystemTray="&yes;" )"
                   R"(AutoCleanAtWindowsStart="1" AutoCleanAtWindowsShutdown="0"/>)"),
  };
  for (const std::string& text : wellFormed) {
    SCOPED_TRACE(text);
    auto engine = LoadEngine(text);
    EXPECT_TRUE(engine->StartInSystemTray);
    EXPECT_TRUE(engine->AutoCleanAtWindowsStart);
  }
  EXPECT_EQ(LoadEngine(wellFormed[0])->Shredder->WipeFiles->Items.at(0)->Path, "/caf\xC3\xA9");
}

TEST_F(EraserEngineTest, EntitiesThatExpandWithoutEndAreRefused) {
  // Each entity holds ten of the one before: the last would be 4 * 10^11 bytes.
  std::string declarations = "<!ENTITY a0 \"True\">";
  for (int i = 1; i < 12; ++i) {
    std::string tenOfTheLast;
    for (int k = 0; k < 10; ++k) tenOfTheLast += "&a" + std::to_string(i - 1) + ";";
    declarations += "<!ENTITY a" + std::to_string(i) + " \"" + tenOfTheLast + "\">";
  }
  auto engine = LoadEngine("<!DOCTYPE Configuration [" + declarations + "]>" +
                           Document(R"(<Options LoadAtStartup="False" StartInSystemTray="True" )"
                                    R"(AutoCleanAtWindowsStart="1" AutoCleanAtWindowsShutdown="1">)"
                                    "<x a=\"&a11;\"/></Options>"));
  EXPECT_FALSE(engine->StartInSystemTray);
}

TEST_F(EraserEngineTest, ReadingTheOptionsNeverTouchesTheRunValueOnlyApplyingThemDoes) {
  folder.makeFolder("autostart");
  const std::string program = platform::runCommandFor(platform::programPath());
  struct Case {
    const char* loadAtStartup;
    const char* before;  // the Run value before, or null for none
    const char* after;   // the Run value once applied
  };
  for (const Case& c : {Case{"true", nullptr, "program"}, Case{"True", "the user's own", "program"},
                        Case{"False", "the user's own", nullptr}, Case{"0", nullptr, nullptr}}) {
    SCOPED_TRACE(c.loadAtStartup);
    ASSERT_TRUE(registry.store().deleteValue(platform::kCurrentUser, RunKey(), "Ferrovane"));
    if (c.before) {
      ASSERT_TRUE(
          registry.store().writeString(platform::kCurrentUser, RunKey(), "Ferrovane", c.before));
    }
    auto engine = LoadEngine(Document(std::string(R"(<Options LoadAtStartup=")") + c.loadAtStartup +
                                      R"(" StartInSystemTray="True" AutoCleanAtWindowsStart="0" )"
                                      R"(AutoCleanAtWindowsShutdown="1"/>)"));
    EXPECT_EQ(engine->LoadAtStartup, c.after != nullptr);
    EXPECT_TRUE(engine->StartInSystemTray);
    EXPECT_FALSE(engine->AutoCleanAtWindowsStart);
    EXPECT_TRUE(engine->AutoCleanAtWindowsShutdown);
    EXPECT_EQ(engine->LoadProblem, "");
    // Looking (a preview, the command line) leaves the entry as it was.
    EXPECT_EQ(RunValue(), c.before ? c.before : "<none>");
    engine->ApplyLoadAtStartup();
    EXPECT_EQ(RunValue(), c.after ? program : "<none>");
  }
}

TEST_F(EraserEngineTest, OnAFreshAccountTheRunValueMakesTheAutostartFolder) {
  ASSERT_FALSE(pathExists(registry.autostartFolder()));
  TEraserEngine engine;
  engine.SetLoadAtStartup(true);
  EXPECT_TRUE(engine.LoadAtStartup);
  EXPECT_EQ(RunValue(), platform::runCommandFor(platform::programPath()));
}

TEST_F(EraserEngineTest, AnIncompleteOptionsElementStopsTheLoadAfterWhatItHeld) {
  folder.makeFolder("autostart");
  auto engine = LoadEngine(Document(R"(<Options LoadAtStartup="True"/>
      <Windows><EraseRecycleBin Enabled="True"/></Windows>
      <Shredder CleanFreeSpaceEnabled="True"><WipeFiles><Item FileName="/f"/></WipeFiles></Shredder>
      <Misc><ShortCuts QuickClean="Alt+Q" CleanAndReboot="" CleanAndShutDown="" StopTask=""/></Misc>)"));
  EXPECT_TRUE(engine->LoadAtStartup);
  EXPECT_NE(engine->LoadProblem, "");
  engine->ApplyLoadAtStartup();
  EXPECT_NE(RunValue(), "<none>");
  EXPECT_FALSE(engine->EraseRecycleBin->Enabled);
  EXPECT_TRUE(engine->Shredder->WipeFiles->Items.empty());
  EXPECT_EQ(engine->Misc->QuickClean, 0xC051);
}

TEST_F(EraserEngineTest, ItemFlagsAreReadByGroupAndAnUnconvertibleFlagEndsTheLoad) {
  auto engine = LoadEngine(Document(std::string(kOptions) + R"(
      <Windows><EraseRecycleBin Name="EraseRecycleBin" Enabled="TRUE"/><NoSuchItem Enabled="True"/>
        <EraseRunHistory Enabled="0"/></Windows>
      <IE><IEEraseIndexDAT Enabled="True"/></IE>
      <Browsers><IE><IEEraseCache Enabled="false"/></IE><Opera><OperaCookies Enabled="1"/></Opera>
        <AOL><AOLCache Enabled="yes"/></AOL></Browsers>
      <Plugins><CheckedPlugins><Item FileName="p.dll"/></CheckedPlugins></Plugins>)"));
  EXPECT_TRUE(engine->StartInSystemTray);
  EXPECT_TRUE(engine->EraseRecycleBin->Enabled);
  EXPECT_FALSE(engine->EraseRunHistory->Enabled);
  EXPECT_TRUE(engine->EraseFindComputer->Enabled);  // no element: its default
  EXPECT_FALSE(engine->IEEraseIndexDAT->Enabled);   // an IE group outside Browsers is not read
  EXPECT_FALSE(engine->IEEraseCache->Enabled);
  EXPECT_FALSE(engine->AOLCache->Enabled);
  EXPECT_FALSE(engine->OperaCookies->Enabled);  // AOL's "yes" ended the load before Opera
  EXPECT_TRUE(engine->PluginManager->CheckedPlugins.empty());

  engine = LoadEngine(Document("<Windows/>"));
  EXPECT_TRUE(engine->EraseRunHistory->Enabled);
}

TEST_F(EraserEngineTest, AnUnreadableExclusionEndsOnlyItsList) {
  auto engine = LoadEngine(Document(R"(<Windows>
      <EraseScanDiskFiles Enabled="True"><Exclude><Item FileName="a.chk"/><Item Value="x"/>
        <Item FileName="never.chk"/></Exclude></EraseScanDiskFiles>
      <EraseRunHistory Enabled="True"><ExcludedValues><Item Value="MRUList"/><Item/></ExcludedValues>
      </EraseRunHistory></Windows>
      <Plugins><CheckedPlugins><Item FileName="p.dll"/></CheckedPlugins></Plugins>)"));
  EXPECT_EQ(engine->EraseScanDiskFiles->Exclusions, (std::vector<std::string>{"a.chk"}));
  EXPECT_EQ(engine->EraseRunHistory->ExcludedValues, (std::vector<std::string>{"MRUList"}));
  EXPECT_EQ(engine->PluginManager->CheckedPlugins, (std::vector<std::string>{"p.dll"}));
}

TEST_F(EraserEngineTest, ThousandsOfEntriesAreRead) {
  std::string jobs;
  for (int i = 0; i < 20000; ++i) jobs += "<Item FileName=\"/f" + std::to_string(i) + "\"/>";
  auto engine = LoadEngine(Document(R"(<Shredder CleanFreeSpaceEnabled="True"><WipeFiles>)" + jobs +
                                    "</WipeFiles></Shredder>"));
  ASSERT_EQ(engine->Shredder->WipeFiles->Items.size(), 20000u);
  EXPECT_EQ(engine->Shredder->WipeFiles->Items.back()->Path, "/f19999");
}

// The document of every section and item, as their Save operations write it.
std::string SavedDocument(const TEraserEngine& engine) {
  pugi::xml_document document;
  pugi::xml_node configuration = document.append_child("Configuration");
  pugi::xml_node windows = configuration.append_child("Windows");
  pugi::xml_node browsers = configuration.append_child("Browsers");
  const char* groups[] = {"IE", "NetscapeMozilla", "AOL", "Opera"};
  const std::size_t starts[] = {14, 23, 27, 31, 35};
  for (std::size_t i = 0; i < 14; ++i) engine.Erasers[i]->Save(windows);
  for (std::size_t g = 0; g < 4; ++g) {
    pugi::xml_node group = browsers.append_child(groups[g]);
    for (std::size_t i = starts[g]; i < starts[g + 1]; ++i) engine.Erasers[i]->Save(group);
  }
  engine.Shredder->Save(configuration);
  engine.PluginManager->Save(configuration);
  engine.Misc->Save(configuration);
  engine.Scheduler->Save(configuration);
  std::ostringstream text;
  document.save(text);
  return text.str();
}

TEST_F(EraserEngineTest, WhatTheSectionsAndItemsSaveLoadsToTheSameState) {
  auto engine = LoadEngine(Document(R"(
      <Windows><EraseRecycleBin Enabled="True"/><EraseRunHistory Enabled="False">
        <ExcludedValues><Item Value="MRUList"/><Item Value="a"/></ExcludedValues></EraseRunHistory>
        <EraseScanDiskFiles Enabled="1"><Exclude><Item FileName="*.keep"/></Exclude></EraseScanDiskFiles>
      </Windows>
      <Browsers><Opera><OperaCache Enabled="True"/></Opera></Browsers>
      <Shredder CleanFreeSpaceEnabled="True"><WipeFiles><Item FileName="/a"/><Item FileName="/b"/>
        </WipeFiles><WipeFolders><Item Folder="/c"/></WipeFolders>
        <WipeFreeSpace><Item Drive="/"/></WipeFreeSpace></Shredder>
      <Plugins><CheckedPlugins><Item FileName="x.dll"/><Item FileName="x.dll"/><Item FileName=""/>
      </CheckedPlugins></Plugins>
      <Misc><ShortCuts QuickClean="Shift+Ctrl+F5" CleanAndReboot="" CleanAndShutDown="Alt+Del" StopTask="nothing"/></Misc>
      <Scheduler Enabled="False" Inverval="5" LastRun="2020-01-01">
        <Once Date="2024-03-05 17:30:00"/><Every Minutes="7"/><Hourly Hours="2" Minutes="30"/>
        <Daily Days="3" Hour="10:00:00"/>
        <Weekly Weeks="2" Hour="08:15:30" Monday="True" Tuesday="False" Wednesday="True"
          Thursday="False" Friday="False" Saturday="False" Sunday="True"/>
        <Monthly Hour="23:59:59" AtDay="False" Day="31" DayIndexOf="5" DayOf="7" Jan="True"
          Feb="False" Mar="False" Apr="False" May="False" Jun="False" Jul="True" Aug="False"
          Sep="False" Oct="False" Nov="False" Dec="True"/></Scheduler>)"));
  EXPECT_EQ(engine->Misc->StopTask, 0);
  EXPECT_EQ(engine->Scheduler->Interval, Monthly);
  EXPECT_EQ(engine->Scheduler->MonthlyDayIndexOf, 5);
  const std::string saved = SavedDocument(*engine);
  EXPECT_NE(saved.find("CleanFreeSpaceEnabled=\"True\""), std::string::npos);

  auto again = LoadEngine(saved);
  EXPECT_EQ(SavedDocument(*again), saved);
  EXPECT_TRUE(again->EraseRecycleBin->Enabled);
  EXPECT_EQ(again->EraseRunHistory->ExcludedValues, (std::vector<std::string>{"MRUList", "a"}));
  EXPECT_EQ(again->Shredder->WipeFiles->Items.size(), 2u);
  EXPECT_EQ(again->Misc->QuickClean, scShift | scCtrl | 0x74);
  EXPECT_EQ(again->Scheduler->OnceDate, EncodeDateTime(2024, 3, 5, 17, 30, 0));
  EXPECT_EQ(again->Scheduler->MonthlyMonths[6], true);
}

}  // namespace
