#include "net/Lockstep.h"

namespace net {

Lockstep::Lockstep(int delay)
    : delay_(delay),
      closedThrough_(static_cast<std::uint32_t>(delay)),
      heardThrough_(static_cast<std::uint32_t>(delay)),
      mine_(static_cast<std::size_t>(delay)),
      theirs_(static_cast<std::size_t>(delay)) {}

bool Lockstep::Open() const {
  return closedThrough_ < played_ + 1 + static_cast<std::uint32_t>(delay_);
}

TickInputs Lockstep::Close(std::vector<std::string> lines) {
  if (lines.size() > kMostLinesInATick) lines.resize(kMostLinesInATick);
  closedThrough_ = played_ + 1 + static_cast<std::uint32_t>(delay_);
  mine_.push_back(lines);
  return TickInputs{closedThrough_, std::move(lines)};
}

// A well-behaved machine is never more than its own delay ahead of the
// batches it has heard from us, which are never more than ours ahead of the
// tick we play: anything further is a flood.
bool Lockstep::Receive(TickInputs inputs) {
  if (inputs.tick != heardThrough_ + 1) return false;
  if (inputs.tick > played_ + 2 + 2 * static_cast<std::uint32_t>(kLongestDelay)) return false;
  if (inputs.lines.size() > kMostLinesInATick) return false;
  heardThrough_ = inputs.tick;
  theirs_.push_back(std::move(inputs.lines));
  return true;
}

std::optional<Lockstep::Inputs> Lockstep::Next() {
  if (theirs_.empty() || mine_.empty()) return std::nullopt;
  Inputs inputs{std::move(mine_.front()), std::move(theirs_.front())};
  mine_.pop_front();
  theirs_.pop_front();
  ++played_;
  return inputs;
}

}  // namespace net
