// The user's systemd instance: it runs when its private socket is in the user's runtime folder;
// it is driven with "systemctl --user", whose messages are read back as the reason of a failure.

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/Folders.h"
#include "platform/UserServices.h"

extern char** environ;

namespace platform {
namespace {

class SystemdUserServices final : public UserServices {
 public:
  bool running() override {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return false;
    struct stat info {};
    const std::string socket = std::string(runtime) + "/systemd/private";
    return ::stat(socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
  }

  std::string control(const std::vector<std::string>& arguments) override {
    std::vector<std::string> words{"systemctl", "--user"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) return std::strerror(errno);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 2);
    pid_t pid = -1;
    const int spawned = ::posix_spawnp(&pid, "systemctl", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned != 0) {
      ::close(pipe[0]);
      return std::string("systemctl could not be started: ") + std::strerror(spawned);
    }
    std::string said;
    char buffer[4096];
    for (;;) {
      const ssize_t got = ::read(pipe[0], buffer, sizeof buffer);
      if (got > 0) {
        if (said.size() < 65536) said.append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        break;
      }
    }
    ::close(pipe[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
    while (!said.empty() && (said.back() == '\n' || said.back() == ' ')) said.pop_back();
    if (said.empty()) {
      said = WIFEXITED(status)
                 ? "systemctl ended with status " + std::to_string(WEXITSTATUS(status))
                 : "systemctl was ended by a signal";
    }
    return said;
  }
};

SystemdUserServices systemServices;
UserServices* installed = nullptr;

}  // namespace

std::string userUnitFolder() {
  return configFolder() + "systemd/user/";
}

UserServices& userServices() {
  return installed ? *installed : systemServices;
}

UserServices* setUserServices(UserServices* services) {
  UserServices* previous = installed;
  installed = services;
  return previous;
}

}  // namespace platform
