#pragma once
// Two machines play the same ticks with the same inputs. Each machine's keys
// are stamped with a tick D ticks ahead of the one it is about to play (the
// input delay), and a machine plays tick T only when it holds the other
// machine's inputs for T; an empty list counts. The first D ticks are empty
// on both sides by agreement. A tick whose inputs have not come yet stalls:
// nothing is guessed.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "net/Protocol.h"

namespace net {

class Lockstep {
 public:
  explicit Lockstep(int delay);

  int Delay() const { return delay_; }
  // The ticks played so far; the next to play is Played() + 1.
  std::uint32_t Played() const { return played_; }

  // Whether this machine's batch D ticks ahead of the next tick is still open.
  bool Open() const;
  // Closes that batch with these lines (the first kMostLinesInATick of them)
  // and returns it, to be sent.
  TickInputs Close(std::vector<std::string> lines);
  // A copy of this machine's latest batches, the newest last.
  RecentInputs Recent() const;
  // The other machine's batch, in order (a copy of one already heard is let
  // be); false when it breaks the rules (a tick skipped, too far ahead),
  // which ends the match.
  bool Receive(TickInputs inputs);
  // The other machine's copies of its latest batches: those not heard yet
  // are taken, unless one before them is still missing (the reliable channel
  // brings it).
  bool ReceiveRecent(const RecentInputs& recent);
  // Both machines' inputs for the next tick, which counts as played;
  // nothing (a stall) when the other's are missing.
  struct Inputs {
    std::vector<std::string> mine, theirs;
  };
  std::optional<Inputs> Next();
  // How many of the other machine's batches are held, waiting.
  std::size_t Waiting() const { return theirs_.size(); }

 private:
  int delay_;
  std::uint32_t played_ = 0;
  std::uint32_t closedThrough_;                  // this machine's batches are sent up to here
  std::uint32_t heardThrough_;                   // the other's, received up to here
  std::deque<std::vector<std::string>> mine_;    // ticks played_+1 .. closedThrough_
  std::deque<std::vector<std::string>> theirs_;  // ticks played_+1 .. heardThrough_
  std::deque<std::vector<std::string>> sent_;    // the latest batches sent, to closedThrough_
};

}  // namespace net
