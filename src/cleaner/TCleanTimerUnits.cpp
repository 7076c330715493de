#include "cleaner/TCleanTimerUnits.h"

#include "cleaner/ScheduleCalendar.h"
#include "cleaner/ScheduleSettings.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/UserServices.h"

namespace {

// A word of a unit's command line: in double quotes, with the characters the service manager
// would take for its own escapes, specifiers and variables escaped.
std::string QuotedWord(const std::string& word) {
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    if (c == '$') quoted += '$';
    quoted += c;
  }
  return quoted + "\"";
}

std::string WithoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

const char* const TCleanTimerUnits::TimerName = "ferrovane-clean.timer";
const char* const TCleanTimerUnits::ServiceName = "ferrovane-clean.service";

std::string TCleanTimerUnits::TimerText(const std::vector<std::string>& calendar) const {
  std::string text =
      "# Written by Ferrovane while a schedule of its trace cleaning is on; removed when it is "
      "off.\n"
      "[Unit]\n"
      "Description=Ferrovane: schedule of the trace cleaning\n\n"
      "[Timer]\n";
  for (const std::string& expression : calendar) text += "OnCalendar=" + expression + "\n";
  // A clean missed while the computer was off runs when it next starts.
  text +=
      "Persistent=true\n\n"
      "[Install]\n"
      "WantedBy=timers.target\n";
  return text;
}

std::string TCleanTimerUnits::ServiceText() const {
  // The clean reads the settings the window wrote: the same configuration folder.
  return "# Written by Ferrovane while a schedule of its trace cleaning is on; removed when it "
         "is off.\n"
         "[Unit]\n"
         "Description=Ferrovane: scheduled clean of usage traces\n\n"
         "[Service]\n"
         "Type=oneshot\n"
         "Environment=" +
         QuotedWord("XDG_CONFIG_HOME=" + WithoutTrailingSeparator(platform::configFolder())) +
         "\n"
         "ExecStart=" +
         QuotedWord(program_) +
         " --quiet clean --scheduled\n"
         "Nice=10\n"
         "IOSchedulingClass=idle\n";
}

TScheduleMode TCleanTimerUnits::ModeFor(const TScheduleSettings& settings) {
  if (!settings.Enabled) return TScheduleMode::Off;
  if (OnCalendarExpressions(settings.Schedule).empty()) return TScheduleMode::Never;
  return platform::userServices().running() ? TScheduleMode::ServiceManager
                                            : TScheduleMode::WindowTimer;
}

bool TCleanTimerUnits::Installed() {
  return platform::fs().info(platform::userUnitFolder() + TimerName).has_value();
}

TScheduleMode TCleanTimerUnits::Apply(const TScheduleSettings& settings) {
  Problems.clear();
  const TScheduleMode mode = ModeFor(settings);
  platform::UserServices& services = platform::userServices();
  if (mode != TScheduleMode::ServiceManager) {
    Remove();
    return mode;
  }

  const std::string folder = platform::userUnitFolder();
  platform::FileSystem& files = platform::fs();
  if (const platform::Status made = platform::ensureFolder(folder); !made) {
    Problems.push_back(folder + Tr(": the folder could not be made") + ": " +
                       made.error().message());
    return mode;
  }
  const std::pair<std::string, std::string> units[] = {
      {ServiceName, ServiceText()},
      {TimerName, TimerText(OnCalendarExpressions(settings.Schedule))}};
  for (const auto& [name, text] : units) {
    if (const platform::Status written = files.writeFileAtomic(folder + name, text); !written) {
      Problems.push_back(folder + name + ": " + written.error().message());
      return mode;
    }
  }
  if (std::string said = services.control({"daemon-reload"}); !said.empty())
    Problems.push_back("systemctl --user daemon-reload: " + said);
  // A timer that was running is restarted, so that it takes the new calendar.
  if (std::string said = services.control({"enable", TimerName}); !said.empty())
    Problems.push_back(std::string("systemctl --user enable ") + TimerName + ": " + said);
  if (std::string said = services.control({"restart", TimerName}); !said.empty())
    Problems.push_back(std::string("systemctl --user restart ") + TimerName + ": " + said);
  return mode;
}

void TCleanTimerUnits::Remove() {
  const std::string folder = platform::userUnitFolder();
  platform::FileSystem& files = platform::fs();
  const bool present =
      files.info(folder + TimerName).has_value() || files.info(folder + ServiceName).has_value();
  if (!present) return;
  platform::UserServices& services = platform::userServices();
  if (services.running()) {
    if (std::string said = services.control({"disable", "--now", TimerName}); !said.empty())
      Problems.push_back(std::string("systemctl --user disable ") + TimerName + ": " + said);
  }
  for (const char* name : {TimerName, ServiceName}) {
    const platform::Status removed = files.deleteFile(folder + name);
    if (!removed && removed.error() != std::errc::no_such_file_or_directory)
      Problems.push_back(folder + name + ": " + removed.error().message());
  }
  if (services.running()) {
    if (std::string said = services.control({"daemon-reload"}); !said.empty())
      Problems.push_back("systemctl --user daemon-reload: " + said);
  }
}
