#pragma once
// What the command line asks of the program, read before any window opens:
// play (the default, after watching a kept match if asked), print the help or the version, check
// the installed files, or refuse an option it does not know. Plain C++, no Qt.

#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class CommandAction { Play, Help, Version, CheckFiles, Refuse };

// --host [PORT] or --join ADDRESS[:PORT], with --delay N: a network match.
struct NetworkAsk {
  bool host = true;
  std::string address;  // whom to join
  int port = 41780;
  std::optional<int> delay;  // a fixed input delay in ticks (the host's)
};

struct Command {
  CommandAction action = CommandAction::Play;
  std::optional<int> quitAfterMs;        // --quit-after: close the forms after this long
  std::optional<std::string> watchFile;  // --watch: a kept match to watch first
  std::string error;                     // for Refuse: the one line to print
  std::optional<NetworkAsk> network;
};

namespace command_line {
inline constexpr int kExitUsage = 2;  // the exit status for a command line refused
}

// Reads the arguments after the program's name.
Command ParseCommandLine(std::span<const std::string_view> args);

// The texts printed for --help and --version (the version on the first line,
// then the copyright and the licence), each ending in a newline.
std::string HelpText();
std::string VersionText();
