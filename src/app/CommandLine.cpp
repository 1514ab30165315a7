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

The manual page gallowby(6) tells more.
)";

// A count of milliseconds: digits only, at most a day.
std::optional<int> Milliseconds(std::string_view text) {
  constexpr int kDay = 24 * 60 * 60 * 1000;
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, fault] = std::from_chars(text.data(), end, value);
  if (text.empty() || fault != std::errc{} || stop != end || value < 0 || value > kDay)
    return std::nullopt;
  return value;
}

Command Refused(std::string line) {
  return Command{CommandAction::Refuse, std::nullopt, std::nullopt,
                 "gallowby: " + std::move(line) + " (try 'gallowby --help')"};
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
    } else if (arg.starts_with('-')) {
      return Refused("unknown option '" + std::string(arg) + "'");
    } else {
      return Refused("unexpected argument '" + std::string(arg) + "'");
    }
    if (command.action == CommandAction::Refuse) return command;
  }
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
