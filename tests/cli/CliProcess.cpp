#include "CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "support/TestFolder.h"

extern char** environ;

namespace fsys = std::filesystem;

namespace {

// The process's environment with the test's folders and the given changes.
std::vector<std::string> environmentFor(const TestFolder& t,
                                        const std::vector<std::string>& changes) {
  std::vector<std::string> all;
  for (char** entry = environ; *entry; ++entry) all.emplace_back(*entry);
  std::vector<std::string> merged = {
      "HOME=" + t.homeFolder(), "XDG_CONFIG_HOME=" + t.configFolder(),
      "XDG_DATA_HOME=" + t.dataFolder(), "XDG_CACHE_HOME=" + t.cacheFolder(),
      "TMPDIR=" + t.tempFolder(),
      // The messages in English, whatever the language of the one who runs the tests; a test of
      // another language names it.
      "LANG=C.UTF-8", "LANGUAGE", "LC_ALL", "LC_MESSAGES"};
  merged.insert(merged.end(), changes.begin(), changes.end());
  for (const std::string& change : merged) {
    const std::string name = change.substr(0, change.find('='));
    std::erase_if(all, [&](const std::string& entry) {
      return entry.compare(0, name.size() + 1, name + "=") == 0;
    });
    if (change.find('=') != std::string::npos) all.push_back(change);
  }
  return all;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& text : texts) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

CliProcess::CliProcess(const TestFolder& t, const std::string& program,
                       const std::vector<std::string>& args,
                       const std::vector<std::string>& environment, bool terminal,
                       const std::string& folder) {
  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> envp = environmentFor(t, environment);
  auto argvPointers = pointers(argv);
  auto envpPointers = pointers(envp);
  const std::string where = folder.empty() ? t.path() : folder;

  int outPipe[2];
  int errPipe[2] = {-1, -1};
  if (::pipe2(outPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  if (terminal) {
    winsize size{};
    size.ws_col = 100;
    size.ws_row = 24;
    if (::openpty(&errPipe[0], &errPipe[1], nullptr, nullptr, &size) != 0) {
      throw std::runtime_error("openpty");
    }
    ::fcntl(errPipe[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(errPipe[1], F_SETFD, FD_CLOEXEC);
  } else if (::pipe2(errPipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe");
  }
  pid_ = ::fork();
  if (pid_ == 0) {
    const int nothing = ::open("/dev/null", O_RDONLY);
    ::dup2(nothing, 0);
    ::dup2(outPipe[1], 1);
    ::dup2(errPipe[1], 2);
    if (::chdir(where.c_str()) != 0) ::_exit(126);
    ::execve(program.c_str(), argvPointers.data(), envpPointers.data());
    ::_exit(127);
  }
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  out_ = outPipe[0];
  err_ = errPipe[0];
}

CliProcess::~CliProcess() {
  if (!finished_ && pid_ > 0) {
    ::kill(pid_, SIGKILL);
    finish();
  }
}

bool CliProcess::pump(int milliseconds) {
  pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
  const int open = (out_ >= 0) + (err_ >= 0);
  if (open == 0) return false;
  if (::poll(fds, 2, milliseconds) <= 0) return true;
  int* streams[2] = {&out_, &err_};
  std::string* texts[2] = {&result_.out, &result_.err};
  for (int i = 0; i < 2; ++i) {
    if (*streams[i] < 0 || fds[i].revents == 0) continue;
    char buffer[65536];
    const ssize_t n = ::read(*streams[i], buffer, sizeof buffer);
    if (n > 0) {
      texts[i]->append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      // The end of a pipe, or EIO once the terminal's last writer has gone.
      ::close(*streams[i]);
      *streams[i] = -1;
    }
  }
  return true;
}

bool CliProcess::waitForError(const std::string& text) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (result_.err.find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > until || !pump(100)) return false;
  }
  return true;
}

void CliProcess::signal(int number) {
  ::kill(pid_, number);
}

CliResult CliProcess::finish() {
  if (finished_) return result_;
  while (pump(1000)) {
  }
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  result_.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  finished_ = true;
  return result_;
}

CliResult RunCli(const TestFolder& t, const std::string& program,
                 const std::vector<std::string>& args,
                 const std::vector<std::string>& environment) {
  return CliProcess(t, program, args, environment).finish();
}

std::string PortableCli(const TestFolder& t, const std::string& folder) {
  const std::string place = folder.empty() ? t.programFolder() : folder;
  const std::string program = place + "/ferrovane-cli";
  std::error_code linked;
  fsys::create_hard_link(FERROVANE_CLI, program, linked);
  if (linked) fsys::copy_file(FERROVANE_CLI, program);
  fsys::create_directories(place + "/Methods");
  for (const auto& entry : fsys::directory_iterator(FERROVANE_SOURCE_DIR "/methods")) {
    if (entry.path().extension() == ".mtd") {
      fsys::copy_file(entry.path(), place + "/Methods/" + entry.path().filename().string());
    }
  }
  fsys::copy_file(FERROVANE_SOURCE_DIR "/methods/Ferrovane.ini", place + "/Ferrovane.ini");
  return program;
}
