#include "AudioServer.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "Recording.h"

extern char** environ;

namespace listening {

namespace {

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  for (std::size_t at = 0; at <= folders.size();) {
    const std::size_t end = std::min(folders.find(':', at), folders.size());
    if (access((folders.substr(at, end - at) + "/" + program).c_str(), X_OK) == 0) return true;
    at = end + 1;
  }
  return false;
}

// The daemon as the test wants it: no default script, never exiting when
// idle, no pid file, only errors logged. As root (a container, CI) it runs
// all the same with its runtime, state and config folders in `folder`.
std::vector<std::string> DaemonArgs(const std::string& folder) {
  return {"pulseaudio",
          "--daemonize=no",
          "--system=no",
          "-n",
          "--exit-idle-time=-1",
          "--use-pid-file=no",
          "--no-cpu-limit",
          "--log-target=stderr",
          std::getenv("PALOG") ? "--log-level=debug" : "--log-level=error",
          "--log-time=1",
          "-L",
          std::string("module-null-sink sink_name=") + AudioServer::kSink +
              " rate=" + std::to_string(kRecordingRate) + " channels=1 norewinds=1",
          "-L",
          "module-native-protocol-unix auth-anonymous=1 socket=" + folder + "/native"};
}

}  // namespace

std::vector<std::string> AudioServer::MissingPackages() {
  std::vector<std::string> missing;
  if (!OnPath("pulseaudio")) missing.push_back("pulseaudio");
  if (!OnPath("parec") || !OnPath("paplay")) missing.push_back("pulseaudio-utils");
  return missing;
}

namespace {

std::vector<char*> Pointers(const std::vector<std::string>& strings, char** more = nullptr) {
  std::vector<char*> pointers;
  for (const std::string& s : strings) pointers.push_back(const_cast<char*>(s.c_str()));
  for (char** p = more; p != nullptr && *p != nullptr; ++p) pointers.push_back(*p);
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

pid_t Spawn(const std::vector<std::string>& args, int out, int err,
            const std::vector<std::string>& env) {
  std::vector<char*> argv = Pointers(args);
  std::vector<char*> envp = Pointers(env, environ);  // the first of a name wins
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out >= 0) posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
  if (err >= 0) posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
  pid_t pid = -1;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return failed == 0 ? pid : -1;
}

int Reap(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

AudioServer::AudioServer() {
  char folder[] = "/tmp/gallowby-heard.XXXXXX";
  if (mkdtemp(folder) == nullptr) return;
  folder_ = folder;
  address_ = "unix:" + folder_ + "/native";
  std::vector<std::string> env;
  for (const char* name :
       {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
    env.push_back(std::string(name) + "=" + folder_);
  const int err = open((folder_ + "/daemon.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_ = Spawn(DaemonArgs(folder_), -1, err, env);
  if (err >= 0) close(err);
  for (int i = 0; i < 200 && pid_ > 0 && !Answers(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  if (pid_ > 0 && !Answers()) Kill();
  if (Up()) setenv("PULSE_SERVER", address_.c_str(), 1);
}

AudioServer::~AudioServer() {
  Kill();
  if (!folder_.empty()) std::filesystem::remove_all(folder_);
}

void AudioServer::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  Reap(pid_);
  pid_ = -1;
}

std::string AudioServer::Log() const {
  std::ifstream file(folder_ + "/daemon.log");
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The socket takes connections once the daemon has loaded its modules.
bool AudioServer::Answers() const {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un where{};
  where.sun_family = AF_UNIX;
  const std::string path = folder_ + "/native";
  path.copy(where.sun_path, sizeof(where.sun_path) - 1);
  const bool answers = connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof(where)) == 0;
  close(fd);
  return answers;
}

}  // namespace listening
