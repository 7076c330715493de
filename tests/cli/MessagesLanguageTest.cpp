// ferrovane-cli speaks the user's language where it has a catalogue for it (the locale/ folder
// beside the program), and English, byte for byte as written, under the C locale or where it has
// none.

#include <gtest/gtest.h>

#include <filesystem>

#include "CliProcess.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

struct MessagesLanguage : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);

  // The portable copy with the German catalogue of the build beside it.
  void giveCatalogue() {
    const fsys::path built =
        fsys::path(FERROVANE_CLI).parent_path() / "locale/de/LC_MESSAGES/ferrovane.mo";
    ASSERT_TRUE(fsys::exists(built)) << built;
    fsys::create_directories(t.programFolder() + "locale/de/LC_MESSAGES");
    fsys::copy_file(built, t.programFolder() + "locale/de/LC_MESSAGES/ferrovane.mo");
  }

  // What the program says for a missing path, a dry run of a real file and its help.
  std::vector<CliResult> sayings(const std::vector<std::string>& environment) {
    const std::string kept = t.write("kept.txt", "content");
    return {RunCli(t, cli, {"wipe", t / "missing.txt"}, environment),
            RunCli(t, cli, {"--dry-run", "wipe", kept}, environment),
            RunCli(t, cli, {"--help"}, environment), RunCli(t, cli, {"methods"}, environment)};
  }
};

}  // namespace

// The user's language comes from LANGUAGE, LC_ALL, LC_MESSAGES or LANG, also where the C library
// of the machine has no locale of that name installed (only C.UTF-8 here).
TEST_F(MessagesLanguage, GermanUsersReadGermanMessagesAndHelp) {
  giveCatalogue();
  const std::vector<std::vector<std::string>> environments = {
      {"LANGUAGE=de"},
      {"LANG=de_DE.UTF-8"},
      {"LC_MESSAGES=de_DE.UTF-8"},
      {"LC_ALL=de_AT.UTF-8"},
  };
  for (const auto& environment : environments) {
    SCOPED_TRACE(environment.front());
    const std::vector<CliResult> said = sayings(environment);
    EXPECT_EQ(said[0].status, 1);
    EXPECT_NE(said[0].err.find("missing.txt: nicht gefunden"), std::string::npos) << said[0].err;
    EXPECT_NE(said[2].out.find("Version anzeigen und beenden"), std::string::npos) << said[2].out;
    EXPECT_NE(said[2].out.find("Rückgabewert: 0, wenn alles gelöscht wurde"), std::string::npos);
    EXPECT_NE(said[3].out.find("Einstellungsordner: "), std::string::npos) << said[3].out;
  }
}

// Under the C locale, and in a language the program has no catalogue for, every output is the
// English one, without a word about the missing catalogue.
TEST_F(MessagesLanguage, TheCLocaleAndAMissingCatalogueGiveTheEnglishBytes) {
  const std::vector<CliResult> english = sayings({});
  ASSERT_NE(english[0].err.find("missing.txt: not found"), std::string::npos) << english[0].err;
  const std::vector<std::vector<std::string>> environments = {{"LANG=C"},
                                                              {"LANGUAGE=de", "LANG=C"},
                                                              {"LANGUAGE=eo"},
                                                              {"LANG=fi_FI.UTF-8"},
                                                              {"LANGUAGE=en_GB:de"}};
  giveCatalogue();
  for (const auto& environment : environments) {
    SCOPED_TRACE(environment.back());
    const std::vector<CliResult> said = sayings(environment);
    for (std::size_t i = 0; i < said.size(); ++i) {
      EXPECT_EQ(said[i].status, english[i].status);
      EXPECT_EQ(said[i].out, english[i].out);
      EXPECT_EQ(said[i].err, english[i].err);
    }
  }
}

// A German user names a trace item by its German caption, and the preview names it in German;
// the English caption still chooses it.
TEST_F(MessagesLanguage, TraceItemsAreNamedInTheUsersLanguage) {
  giveCatalogue();
  const std::string home = t.makeFolder("home");
  t.write("home/.local/share/RecentDocuments/report.odt.desktop", "[Desktop Entry]\n");
  const std::vector<std::string> environment = {
      "LANGUAGE=de", "HOME=" + home, "XDG_DATA_HOME=" + home + "/.local/share",
      "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache"};
  for (const char* word : {"Liste zuletzt verwendeter Dokumente", "Recent Document List"}) {
    SCOPED_TRACE(word);
    const CliResult preview = RunCli(t, cli, {"clean", "--preview", word}, environment);
    EXPECT_EQ(preview.status, 0) << preview.err;
    EXPECT_NE(preview.out.find("Liste zuletzt verwendeter Dokumente: "), std::string::npos)
        << preview.out;
    EXPECT_EQ(preview.out.find("Recent Document List"), std::string::npos) << preview.out;
  }
}

// Under a German locale the numbers the user reads are grouped ("12.345"), while the progress
// stream for other programs keeps the C form; under the C locale nothing changes.
TEST_F(MessagesLanguage, NumbersFollowTheLocaleButTheProgressStreamStaysInCForm) {
  giveCatalogue();
  const std::string home = t.makeFolder("home");
  t.write("home/.local/share/RecentDocuments/report.odt.desktop", std::string(12345, 'x'));
  const std::vector<std::string> homeEnvironment = {
      "HOME=" + home, "XDG_DATA_HOME=" + home + "/.local/share",
      "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache"};
  auto with = [&homeEnvironment](const std::string& locale) {
    std::vector<std::string> environment = homeEnvironment;
    environment.push_back(locale);
    return environment;
  };
  const CliResult german = RunCli(t, cli, {"clean", "--preview", "1"}, with("LANG=de_DE.UTF-8"));
  EXPECT_EQ(german.status, 0) << german.err;
  EXPECT_NE(german.out.find("(12.345 Byte)"), std::string::npos) << german.out;
  EXPECT_NE(german.out.find("Würde entfernen: 1 (12.345 Byte)."), std::string::npos) << german.out;
  const CliResult english = RunCli(t, cli, {"clean", "--preview", "1"}, with("LANG=C"));
  EXPECT_NE(english.out.find("(12345 bytes)"), std::string::npos) << english.out;
  EXPECT_NE(english.out.find("Would remove 1 (12345 bytes)."), std::string::npos) << english.out;

  const std::string wiped = t.write("wiped.bin", std::string(12345, 'y'));
  const CliResult stream =
      RunCli(t, cli, {"--progress", "json", "wipe", wiped}, with("LC_ALL=de_DE.UTF-8"));
  EXPECT_EQ(stream.status, 0) << stream.err;
  EXPECT_NE(stream.out.find(":12345"), std::string::npos) << stream.out;
  EXPECT_EQ(stream.out.find("12.345"), std::string::npos) << stream.out;
}
