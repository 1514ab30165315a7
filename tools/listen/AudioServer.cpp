#include "AudioServer.h"

#include <sched.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "Recorder.h"

extern char** environ;

namespace listening {

namespace {

bool OnPath(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// No default script, never idle, only errors logged (to a file); its runtime,
// state and config folders are the server's own, as root or not.
std::vector<std::string> DaemonArgs(const std::string& folder) {
  std::vector<std::string> args{"env"};
  for (const char* name :
       {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
    args.push_back(std::string(name) + "=" + folder);
  const std::string sink = std::string("module-null-sink sink_name=") + AudioServer::kSink +
                           " rate=" + std::to_string(kRecordingRate) + " channels=1 norewinds=1";
  args.insert(args.end(),
              {"pulseaudio", "--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1",
               "--use-pid-file=no", "--no-cpu-limit", "--log-level=error",
               "--log-target=file:" + folder + "/daemon.log", "-L", sink, "-L",
               "module-native-protocol-unix auth-anonymous=1 socket=" + folder + "/native"});
  return args;
}

}  // namespace

std::vector<std::string> MissingSoundPackages() {
  std::vector<std::string> missing;
  if (!OnPath("pulseaudio")) missing.emplace_back("pulseaudio");
  if (!OnPath("parec") || !OnPath("paplay")) missing.emplace_back("pulseaudio-utils");
  return missing;
}

pid_t Spawn(const std::vector<std::string>& args, int out) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out >= 0) posix_spawn_file_actions_adddup2(&actions, out, 1);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

int Reap(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// The socket is there, listening, once the daemon has loaded its modules.
AudioServer::AudioServer() {
  char folder[] = "/tmp/gallowby-heard.XXXXXX";
  if (mkdtemp(folder) == nullptr) return;
  folder_ = folder;
  pid_ = Spawn(DaemonArgs(folder_));
  struct stat socket {};
  for (int i = 0; i < 200 && stat((folder_ + "/native").c_str(), &socket) != 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  if (!S_ISSOCK(socket.st_mode)) Kill();
  if (!Up()) return;
  setenv("PULSE_SERVER", Address().c_str(), 1);
  // Its mixing thread runs at real-time priority where granted; its main
  // thread, which takes in what the clients send, does too, above the
  // loudspeaker's, so other work on the machine cannot starve it.
  const sched_param aboveTheLoudspeaker{sched_get_priority_min(SCHED_RR) + 2};
  sched_setscheduler(pid_, SCHED_RR, &aboveTheLoudspeaker);
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

}  // namespace listening
