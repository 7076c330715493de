// The schedule kept in the settings file, the timer and service units written for the user's
// service manager while a schedule is on and removed when it is off (in the test's own
// configuration folder, with a fake service manager), and the log of scheduled cleans.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "cleaner/ScheduleSettings.h"
#include "cleaner/TCleanTimerUnits.h"
#include "cleaner/TScheduledCleanLog.h"
#include "core/TIniFile.h"
#include "platform/UserServices.h"
#include "support/FakeUserServices.h"
#include "support/TestFolder.h"

namespace {

TScheduleSettings WeeklySchedule() {
  TScheduleSettings settings;
  settings.Enabled = true;
  settings.Schedule.Interval = Weekly;
  settings.Schedule.WeeklyWeeks = 2;
  settings.Schedule.WeeklyHour = EncodeTime(22, 30, 0);
  settings.Schedule.WeeklyDays = {true, false, true, false, false, false, false};
  settings.Items = {"NetscapeMozillaCookies", "EraseWindowsTemp"};
  return settings;
}

struct ScheduleInstall : ::testing::Test {
  TestFolder folder;
  FakeUserServices manager{true};
  platform::ScopedUserServices services{manager};
  std::string timer = folder.configFolder() + "systemd/user/ferrovane-clean.timer";
  std::string service = folder.configFolder() + "systemd/user/ferrovane-clean.service";
};

TEST_F(ScheduleInstall, TheSettingsFileKeepsEveryKindAndPrefsStaysTheStartWithoutIt) {
  const std::string ini = folder.programFolder() + "Ferrovane.ini";
  TScheduleSettings read;
  read.Schedule.EveryMinutes = 42;
  EXPECT_FALSE(read.Read(TIniFile(ini)));
  EXPECT_EQ(read.Schedule.EveryMinutes, 42) << "a file without a schedule changes nothing";

  TScheduleSettings written = WeeklySchedule();
  written.Schedule.OnceDate = EncodeDateTime(2026, 12, 24, 18, 15, 0);
  written.Schedule.EveryMinutes = 7;
  written.Schedule.HourlyHours = 3;
  written.Schedule.HourlyMinutes = 20;
  written.Schedule.DailyDays = 4;
  written.Schedule.DailyHour = EncodeTime(5, 45, 0);
  written.Schedule.MonthlyHour = EncodeTime(1, 2, 0);
  written.Schedule.MonthlyAtDay = false;
  written.Schedule.MonthlyDay = 17;
  written.Schedule.MonthlyDayIndexOf = 3;
  written.Schedule.MonthlyDayOf = 6;
  written.Schedule.MonthlyMonths[1] = written.Schedule.MonthlyMonths[11] = true;
  written.Write(ini);

  ASSERT_TRUE(read.Read(TIniFile(ini)));
  const TSchedule& a = written.Schedule;
  const TSchedule& b = read.Schedule;
  EXPECT_TRUE(read.Enabled);
  EXPECT_EQ(b.Interval, a.Interval);
  EXPECT_NEAR(b.OnceDate, a.OnceDate, 1e-6);
  EXPECT_EQ(b.EveryMinutes, 7);
  EXPECT_EQ(b.HourlyHours, 3);
  EXPECT_EQ(b.HourlyMinutes, 20);
  EXPECT_EQ(b.DailyDays, 4);
  EXPECT_NEAR(b.DailyHour, a.DailyHour, 1e-6);
  EXPECT_EQ(b.WeeklyWeeks, 2);
  EXPECT_NEAR(b.WeeklyHour, a.WeeklyHour, 1e-6);
  EXPECT_EQ(b.WeeklyDays, a.WeeklyDays);
  EXPECT_NEAR(b.MonthlyHour, a.MonthlyHour, 1e-6);
  EXPECT_FALSE(b.MonthlyAtDay);
  EXPECT_EQ(b.MonthlyDay, 17);
  EXPECT_EQ(b.MonthlyDayIndexOf, 3);
  EXPECT_EQ(b.MonthlyDayOf, 6);
  EXPECT_EQ(b.MonthlyMonths, a.MonthlyMonths);
  EXPECT_EQ(read.Items, written.Items);
  EXPECT_FALSE(pathExists(folder.programFolder() + "prefs.dat"));

  // Names that would not fit in one value are refused whole, never cut to fewer traces.
  const std::string before = readFileBytes(ini);
  TScheduleSettings tooMany = written;
  tooMany.Items.assign(100, "EraseMediaPlayerRecentFileList");
  EXPECT_THROW(tooMany.Write(ini), std::length_error);
  EXPECT_EQ(readFileBytes(ini), before);
}

TEST_F(ScheduleInstall, ASchedulesUnitsAreWrittenWhenOnAndRemovedWhenOff) {
  TCleanTimerUnits units("/opt/ferrovane/bin/ferrovane-cli");
  EXPECT_EQ(units.Apply(WeeklySchedule()), TScheduleMode::ServiceManager);
  EXPECT_TRUE(units.Problems.empty());
  const std::string timerText = readFileBytes(timer);
  EXPECT_NE(timerText.find("\nOnCalendar=Mon,Wed *-*-* 22:30:00\n"), std::string::npos)
      << timerText;
  EXPECT_NE(timerText.find("\nWantedBy=timers.target\n"), std::string::npos);
  const std::string serviceText = readFileBytes(service);
  EXPECT_NE(serviceText.find("\nExecStart=\"/opt/ferrovane/bin/ferrovane-cli\" --quiet clean "
                             "--scheduled\n"),
            std::string::npos)
      << serviceText;
  // The clean reads the settings of this configuration folder, wherever the manager runs it.
  EXPECT_NE(
      serviceText.find("Environment=\"XDG_CONFIG_HOME=" +
                       folder.configFolder().substr(0, folder.configFolder().size() - 1) + "\"\n"),
      std::string::npos)
      << serviceText;
  EXPECT_EQ(manager.Calls,
            (std::vector<std::string>{"daemon-reload", "enable ferrovane-clean.timer",
                                      "restart ferrovane-clean.timer"}));

  manager.Calls.clear();
  TScheduleSettings off = WeeklySchedule();
  off.Enabled = false;
  EXPECT_EQ(units.Apply(off), TScheduleMode::Off);
  EXPECT_FALSE(pathExists(timer));
  EXPECT_FALSE(pathExists(service));
  EXPECT_EQ(manager.Calls,
            (std::vector<std::string>{"disable --now ferrovane-clean.timer", "daemon-reload"}));

  // Off again: nothing is there, nothing is asked.
  manager.Calls.clear();
  units.Apply(off);
  EXPECT_TRUE(manager.Calls.empty());
}

TEST_F(ScheduleInstall, ADamagedScheduleIsNamedAndAKindPrefsCannotKeepIsTakenAsOff) {
  const std::string ini = folder.programFolder() + "Ferrovane.ini";
  const struct {
    const char* section;
    bool read;
    std::string problem;
  } cases[] = {
      {"Enabled=1\nKind=4\n", true, ""},
      {"Enabled=1\n", false, "Kind= is not a kind of schedule (0 to 5)"},
      {"Enabled=1\nKind=abc\n", false, "Kind=abc is not a kind of schedule (0 to 5)"},
      {"Enabled=1\nKind=9\n", false, "Kind=9 is not a kind of schedule (0 to 5)"},
      {"Enabled=1\nKind=-1\n", false, "Kind=-1 is not a kind of schedule (0 to 5)"},
      {"Enabled=yes\nKind=1\n", false, "Enabled=yes is neither 1 nor 0"},
      {"Kind=1\n", true, ""},
      {"Other=1\n", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    folder.write("program/Ferrovane.ini", std::string("[Schedule]\n") + c.section);
    TScheduleSettings read;
    EXPECT_EQ(read.Read(TIniFile(ini)), c.read);
    EXPECT_EQ(read.Problem, c.problem);
  }

  // A kind of "prefs.dat" beyond the six never falls due: it is kept as a schedule that is off,
  // which reads back as it was written.
  for (int kind : {5, 6, 9, 255}) {
    SCOPED_TRACE(kind);
    TScheduler scheduler;
    scheduler.Enabled = true;
    scheduler.Interval = static_cast<TScheduleInterval>(kind);
    TScheduleSettings taken;
    taken.TakeFrom(scheduler);
    std::remove(ini.c_str());
    taken.Write(ini);
    TScheduleSettings read;
    ASSERT_TRUE(read.Read(TIniFile(ini))) << read.Problem;
    EXPECT_EQ(read.Enabled, kind == 5);
    EXPECT_EQ(read.Schedule.Interval, kind == 5 ? Monthly : Once);
  }
}

TEST_F(ScheduleInstall, AUnitFolderThatCannotBeMadeIsNamedWithTheSystemsReason) {
  // A file stands where the folder of the user's units belongs.
  const std::string config = folder.configFolder().substr(folder.path().size());
  const std::string blocker = folder.write(config + "systemd", "not a folder");
  TCleanTimerUnits units("/opt/ferrovane/bin/ferrovane-cli");
  EXPECT_EQ(units.Apply(WeeklySchedule()), TScheduleMode::ServiceManager);
  ASSERT_EQ(units.Problems.size(), 1u);
  EXPECT_EQ(units.Problems[0], blocker + "/user/: the folder could not be made: " +
                                   std::make_error_code(std::errc::not_a_directory).message());
  EXPECT_EQ(readFileBytes(blocker), "not a folder");
}

TEST_F(ScheduleInstall, TurningTheScheduleOffWithOneUnitAlreadyGoneRemovesTheOther) {
  TCleanTimerUnits units("/opt/ferrovane/bin/ferrovane-cli");
  TScheduleSettings off = WeeklySchedule();
  off.Enabled = false;
  for (const std::string* gone : {&timer, &service}) {
    SCOPED_TRACE(*gone);
    ASSERT_EQ(units.Apply(WeeklySchedule()), TScheduleMode::ServiceManager);
    std::remove(gone->c_str());
    manager.Calls.clear();
    EXPECT_EQ(units.Apply(off), TScheduleMode::Off);
    EXPECT_TRUE(units.Problems.empty()) << units.Problems.front();
    EXPECT_FALSE(pathExists(timer));
    EXPECT_FALSE(pathExists(service));
    EXPECT_EQ(manager.Calls,
              (std::vector<std::string>{"disable --now ferrovane-clean.timer", "daemon-reload"}));
  }
}

TEST_F(ScheduleInstall, WithoutAServiceManagerTheWindowTimerRunsAndNoUnitIsKept) {
  TCleanTimerUnits units("/usr/bin/ferrovane-cli");
  ASSERT_EQ(units.Apply(WeeklySchedule()), TScheduleMode::ServiceManager);
  manager.Running = false;
  manager.Calls.clear();
  EXPECT_EQ(units.Apply(WeeklySchedule()), TScheduleMode::WindowTimer);
  EXPECT_FALSE(pathExists(timer));
  EXPECT_FALSE(pathExists(service));
  EXPECT_TRUE(manager.Calls.empty());

  // A schedule that can never fall due installs nothing either.
  manager.Running = true;
  TScheduleSettings never = WeeklySchedule();
  never.Schedule.WeeklyDays = {};
  EXPECT_EQ(units.Apply(never), TScheduleMode::Never);
  EXPECT_FALSE(pathExists(timer));
}

TEST_F(ScheduleInstall, AProgramPathIsQuotedAndFailuresAreNamed) {
  TCleanTimerUnits units("/home/a b/50%\"x$y/ferrovane-cli");
  manager.FailOn = "enable";
  units.Apply(WeeklySchedule());
  EXPECT_NE(readFileBytes(service).find(
                "ExecStart=\"/home/a b/50%%\\\"x$$y/ferrovane-cli\" --quiet clean --scheduled"),
            std::string::npos)
      << readFileBytes(service);
  ASSERT_EQ(units.Problems.size(), 1u);
  EXPECT_NE(units.Problems[0].find("enable ferrovane-clean.timer: Failed to connect to bus"),
            std::string::npos)
      << units.Problems[0];
}

TEST_F(ScheduleInstall, SystemdFindsNothingToSayAboutTheUnits) {
  if (std::system("systemd-analyze --version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "systemd-analyze is not installed";
  }
  // The program the service starts must be there and executable for the check.
  const std::string program = folder.write("program/ferrovane-cli", "#!/bin/sh\n");
  ASSERT_EQ(::chmod(program.c_str(), 0755), 0);
  TScheduleSettings monthly = WeeklySchedule();
  monthly.Schedule.Interval = Monthly;
  monthly.Schedule.MonthlyAtDay = false;
  monthly.Schedule.MonthlyMonths[0] = monthly.Schedule.MonthlyMonths[2] = true;
  TCleanTimerUnits units(program);
  ASSERT_EQ(units.Apply(monthly), TScheduleMode::ServiceManager);
  // Offline, in the test's own runtime, home and configuration folders; warnings are printed
  // (unknown keys, calendars it cannot read) though the status stays 0.
  const std::string said = folder.tempFolder() + "verify.txt";
  const std::string command =
      "XDG_RUNTIME_DIR=" + folder.makeFolder("runtime") + " HOME=" + folder.homeFolder() +
      " XDG_CONFIG_HOME=" + folder.configFolder() + " systemd-analyze verify --user '" + timer +
      "' '" + service + "' >'" + said + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(readFileBytes(said), "");
}

TEST(ScheduledCleanLog, TheLastCleanIsShownAndTheLogKeepsTheNewestLines) {
  TestFolder folder;
  const TScheduledCleanLog log(folder.configFolder() + "scheduled-clean.log");
  EXPECT_FALSE(log.Last());
  for (std::size_t i = 0; i < TScheduledCleanLog::kKeptLines + 5; ++i) {
    ASSERT_EQ(log.Append({EncodeDateTime(2026, 12, 8, 3, 0, 0) + static_cast<double>(i), i, 0, ""}),
              "");
  }
  TScheduledClean last{EncodeDateTime(2026, 12, 8, 3, 0, 0), 412, 2, "stopped\tbefore\nthe end"};
  ASSERT_EQ(log.Append(last), "");
  const std::optional<TScheduledClean> read = log.Last();
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Summary(),
            "Last scheduled clean: 2026-12-08 03:00, removed 412 items, 2 left (stopped before "
            "the end)");
  const std::string text = readFileBytes(log.Path());
  EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
            TScheduledCleanLog::kKeptLines);
  // A refusal is shown, but the spacing of the schedule counts from the last clean that ran.
  ASSERT_EQ(log.Append({EncodeDate(2026, 12, 9), 0, 0, "prefs.dat could not be read", false}), "");
  EXPECT_FALSE(log.Last()->Ran);
  EXPECT_EQ(log.Last(true)->Removed, 412u);
  EXPECT_EQ(TScheduledClean({EncodeDate(2026, 1, 2), 1, 0, ""}).Summary(),
            "Last scheduled clean: 2026-01-02 00:00, removed 1 item");
}

}  // namespace
