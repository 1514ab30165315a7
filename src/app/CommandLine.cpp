#include "app/CommandLine.h"

#include <charconv>

namespace {

constexpr std::string_view kHelp =
    R"(Usage: gallowby [OPTION]
A cricket game for one or two players at one keyboard: short limited-overs
matches on a sprite field beside the options panel. Set the match up on the
panel and press Begin.

Batting:   Z, X move along the crease; J (or Space, Human V Human) blocks;
           N drive, M leg glance, K hook, H square cut
Bowling:   NumPad 1, 2, 3 (or 1, 2, 3) pick the pace; NumPad 5 (or 5)
           starts the run-up, then fixes the pitch spot; the arrows aim
Match:     Space calls the next ball against the computer and ends the
           innings break; Tab held is slow motion; R replays the last ball;
           Escape ends the program
Window:    F11 turns full screen on and off during a match (the field and
           the commentary grow by whole factors)

Options:
  -h, --help          show this help and exit
      --version       show the version and the licence, and exit
      --check-files   check that the bitmaps and sounds are in the game's
                      data folder and readable, name any that is not, and exit
      --watch FILE    watch a kept match (a script the game wrote) first:
                      Space pauses, 2 and 4 play faster, 1 at its pace,
                      Escape stops watching
      --quit-after MS close the program after MS milliseconds (for tests)
      --host [PORT]   host a network match: wait on PORT (41780) for a player
      --join ADDRESS[:PORT]
                      join the network match hosted at ADDRESS
      --delay N       with --host: a fixed input delay of N ticks (1 to 8)

The manual page gallowby(6) tells more.
)";

// A whole number from `low` to `high`, digits only.
std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, fault] = std::from_chars(text.data(), end, value);
  if (text.empty() || fault != std::errc{} || stop != end || value < low || value > high)
    return std::nullopt;
  return value;
}

// A count of milliseconds: digits only, at most a day.
std::optional<int> Milliseconds(std::string_view text) {
  return WholeNumber(text, 0, 24 * 60 * 60 * 1000);
}

Command Refused(std::string line) {
  return Command{CommandAction::Refuse, std::nullopt, std::nullopt,
                 "gallowby: " + std::move(line) + " (try 'gallowby --help')", std::nullopt};
}

// --host [PORT], --join ADDRESS[:PORT] and --delay N; `next` is the argument
// after the option, if any, and `used` is set when the option took it.
Command ReadNetwork(Command command, std::string_view arg, std::optional<std::string_view> next,
                    bool& used) {
  NetworkAsk ask = command.network.value_or(NetworkAsk{});
  if (arg == "--delay") {
    const auto delay = next ? WholeNumber(*next, 1, 8) : std::nullopt;
    if (!delay) return Refused("option '--delay' needs a number of ticks from 1 to 8");
    ask.delay = delay;
    used = true;
  } else if (arg == "--host") {
    used = next && WholeNumber(*next, 0, 99999);
    if (used && !WholeNumber(*next, 1, 65535))
      return Refused("there is no port " + std::string(*next));
    if (used) ask.port = *WholeNumber(*next, 1, 65535);
  } else {
    if (!next || next->empty()) return Refused("option '--join' needs an address");
    const std::size_t colon = next->rfind(':');
    ask.host = false;
    ask.address = std::string(next->substr(0, colon));
    if (colon != std::string_view::npos) {
      const auto port = WholeNumber(next->substr(colon + 1), 1, 65535);
      if (!port) return Refused("there is no port '" + std::string(next->substr(colon + 1)) + "'");
      ask.port = *port;
    }
    used = true;
  }
  command.network = ask;
  return command;
}

bool IsNetworkOption(std::string_view arg) {
  return arg == "--host" || arg == "--join" || arg == "--delay";
}

// An option that asks a question instead of playing.
std::optional<CommandAction> Question(std::string_view arg) {
  if (arg == "-h" || arg == "--help") return CommandAction::Help;
  if (arg == "--version") return CommandAction::Version;
  if (arg == "--check-files") return CommandAction::CheckFiles;
  return std::nullopt;
}

// --quit-after MS or --quit-after=MS; `value` is MS, if the line gave it.
Command ReadQuitAfter(Command command, std::optional<std::string_view> value) {
  if (!value) return Refused("option '--quit-after' needs a number of milliseconds");
  const std::optional<int> ms = Milliseconds(*value);
  if (!ms) return Refused("'" + std::string(*value) + "' is not a number of milliseconds");
  command.quitAfterMs = ms;
  return command;
}

}  // namespace

// The first of --help, --version and --check-files decides; anything unknown
// refuses the whole line, so a typing slip never starts a match.
Command ParseCommandLine(std::span<const std::string_view> args) {
  Command command;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const std::optional<CommandAction> asked = Question(arg);
    if (asked) {
      if (command.action == CommandAction::Play) command.action = *asked;
      continue;
    }
    if (arg == "--quit-after") {
      const bool last = i + 1 == args.size();
      command = ReadQuitAfter(command, last ? std::nullopt : std::optional(args[++i]));
    } else if (arg == "--watch") {
      if (i + 1 == args.size()) return Refused("option '--watch' needs a file");
      command.watchFile = std::string(args[++i]);
    } else if (arg.starts_with("--quit-after=")) {
      command = ReadQuitAfter(command, arg.substr(arg.find('=') + 1));
    } else if (IsNetworkOption(arg)) {
      bool used = false;
      const bool last = i + 1 == args.size();
      command = ReadNetwork(command, arg, last ? std::nullopt : std::optional(args[i + 1]), used);
      if (used) ++i;
    } else if (arg.starts_with('-')) {
      return Refused("unknown option '" + std::string(arg) + "'");
    } else {
      return Refused("unexpected argument '" + std::string(arg) + "'");
    }
    if (command.action == CommandAction::Refuse) return command;
  }
  if (command.network && command.network->delay && !command.network->host)
    return Refused("option '--delay' is for the host");
  return command;
}

std::string HelpText() {
  return std::string(kHelp);
}

std::string VersionText() {
  return "gallowby " GALLOWBY_VERSION
         "\n"
         "Copyright (C) 2026 The Gallowby developers\n"
         "License GPL-3.0-or-later: GNU GPL version 3 or later\n"
         "<https://gnu.org/licenses/gpl.html>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}
