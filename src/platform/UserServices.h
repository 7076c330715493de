#pragma once
// The user's own instance of the service manager (systemd --user), which starts timer units of
// the user while no window of the program is open. Every call goes through the installed
// instance, so that tests put a recording fake in its place and never reach the real one.

#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

namespace platform {

class UserServices {
 public:
  virtual ~UserServices() = default;
  // True when the user's service manager runs and can be asked.
  virtual bool running() = 0;
  // Runs the manager's control program for the user ("systemctl --user" and the arguments);
  // empty when it succeeded, else what went wrong in the words of the control program or the
  // system.
  virtual std::string control(const std::vector<std::string>& arguments) = 0;
};

// The folder of the user's unit files ($XDG_CONFIG_HOME/systemd/user/), with trailing separator.
std::string userUnitFolder();

// The instance in use: the system's own unless another is installed.
UserServices& userServices();
// Installs an instance (null puts the system's own back) and returns the one it replaces. The
// caller keeps ownership.
UserServices* setUserServices(UserServices* services);
using ScopedUserServices = ScopedOverride<&setUserServices>;

}  // namespace platform
