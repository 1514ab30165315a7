// The command line is read before any window opens: what each line asks for,
// and the one-line refusal of anything the program does not know.

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "app/CommandLine.h"

namespace {

Command Parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}

// A case is named in the test list by its command line.
void PrintArgs(const std::vector<std::string_view>& args, std::ostream* out) {
  *out << "gallowby";
  for (std::string_view arg : args) *out << ' ' << arg;
}

struct Accepted {
  std::vector<std::string_view> args;
  CommandAction action;
  std::optional<int> quitAfterMs;
};

void PrintTo(const Accepted& accepted, std::ostream* out) {
  PrintArgs(accepted.args, out);
}

class CommandLineAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(CommandLineAccepts, ActionAndQuitTime) {
  const Command command = Parse(GetParam().args);
  EXPECT_EQ(command.action, GetParam().action);
  EXPECT_EQ(command.quitAfterMs, GetParam().quitAfterMs);
  EXPECT_EQ(command.error, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineAccepts,
    testing::Values(Accepted{{}, CommandAction::Play, std::nullopt},
                    Accepted{{"-h"}, CommandAction::Help, std::nullopt},
                    Accepted{{"--help"}, CommandAction::Help, std::nullopt},
                    Accepted{{"--version"}, CommandAction::Version, std::nullopt},
                    Accepted{{"--check-files"}, CommandAction::CheckFiles, std::nullopt},
                    // the first question asked is the one answered
                    Accepted{{"--version", "--help"}, CommandAction::Version, std::nullopt},
                    Accepted{{"--quit-after", "1500"}, CommandAction::Play, 1500},
                    Accepted{{"--quit-after=0"}, CommandAction::Play, 0},
                    Accepted{{"--quit-after", "86400000"}, CommandAction::Play, 86400000},
                    Accepted{{"--quit-after", "20", "--help"}, CommandAction::Help, 20}));

struct Refused {
  std::vector<std::string_view> args;
  std::string_view line;
};

void PrintTo(const Refused& refused, std::ostream* out) {
  PrintArgs(refused.args, out);
}

class CommandLineRefuses : public testing::TestWithParam<Refused> {};

TEST_P(CommandLineRefuses, WithOneLineNamingTheFault) {
  const Command command = Parse(GetParam().args);
  EXPECT_EQ(command.action, CommandAction::Refuse);
  EXPECT_EQ(command.error, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineRefuses,
    testing::Values(
        Refused{{"--fast"}, "gallowby: unknown option '--fast' (try 'gallowby --help')"},
        Refused{{"-"}, "gallowby: unknown option '-' (try 'gallowby --help')"},
        // an unknown option after a question still refuses the whole line
        Refused{{"--help", "--bogus"},
                "gallowby: unknown option '--bogus' (try 'gallowby --help')"},
        Refused{{"match.txt"}, "gallowby: unexpected argument 'match.txt' (try 'gallowby --help')"},
        Refused{{"--quit-after"},
                "gallowby: option '--quit-after' needs a number of milliseconds (try 'gallowby "
                "--help')"},
        Refused{{"--watch"}, "gallowby: option '--watch' needs a file (try 'gallowby --help')"},
        Refused{{"--quit-after", "soon"},
                "gallowby: 'soon' is not a number of milliseconds (try 'gallowby --help')"},
        Refused{{"--quit-after", "-5"},
                "gallowby: '-5' is not a number of milliseconds (try 'gallowby --help')"},
        Refused{{"--quit-after", "15x"},
                "gallowby: '15x' is not a number of milliseconds (try 'gallowby --help')"},
        Refused{{"--quit-after="},
                "gallowby: '' is not a number of milliseconds (try 'gallowby --help')"},
        Refused{{"--quit-after", "86400001"},
                "gallowby: '86400001' is not a number of milliseconds (try 'gallowby --help')"},
        Refused{
            {"--quit-after", "99999999999"},
            "gallowby: '99999999999' is not a number of milliseconds (try 'gallowby --help')"}));

// --host and --join: who calls whom, on which port, with which delay.
TEST(CommandLineNetwork, HostAndJoinWithPortsAndDelay) {
  const struct {
    std::vector<std::string_view> args;
    bool host;
    std::string address;
    int port;
    std::optional<int> delay;
  } cases[] = {
      {{"--host"}, true, "", 41780, std::nullopt},
      {{"--host", "5000", "--delay", "3"}, true, "", 5000, 3},
      {{"--delay", "8", "--host"}, true, "", 41780, 8},
      {{"--join", "192.0.2.7"}, false, "192.0.2.7", 41780, std::nullopt},
      {{"--join", "example.org:41790"}, false, "example.org", 41790, std::nullopt},
  };
  for (const auto& c : cases) {
    const Command command = Parse(c.args);
    ASSERT_TRUE(command.network) << c.args.front() << command.error;
    EXPECT_EQ(command.network->host, c.host);
    EXPECT_EQ(command.network->address, c.address);
    EXPECT_EQ(command.network->port, c.port);
    EXPECT_EQ(command.network->delay, c.delay);
  }
  const std::vector<std::vector<std::string_view>> refused = {{"--join"},
                                                              {"--join", "a:0"},
                                                              {"--host", "70000"},
                                                              {"--delay", "9", "--host"},
                                                              {"--delay", "2", "--join", "a"}};
  for (const auto& args : refused)
    EXPECT_EQ(Parse(args).action, CommandAction::Refuse) << args.back();
}

TEST(CommandLine, WatchNamesItsFile) {
  EXPECT_EQ(Parse({"--watch", "my match.replay"}).watchFile, "my match.replay");
  EXPECT_EQ(Parse({"--watch", "m.replay"}).action, CommandAction::Play);
}

// The version alone on the first line, for scripts; the licence after it.
TEST(CommandLineTexts, VersionComesFirstThenTheLicence) {
  const std::string text = VersionText();
  EXPECT_TRUE(text.starts_with("gallowby " GALLOWBY_VERSION "\n")) << text;
  EXPECT_NE(text.find("License GPL-3.0-or-later"), std::string::npos) << text;
  EXPECT_EQ(text.back(), '\n');
}

}  // namespace
