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
  sent_.push_back(lines);
  if (sent_.size() > kRecentBatches) sent_.pop_front();
  return TickInputs{closedThrough_, std::move(lines)};
}

RecentInputs Lockstep::Recent() const {
  return RecentInputs{closedThrough_, {sent_.begin(), sent_.end()}};
}

// A well-behaved machine is never more than its own delay ahead of the
// batches it has heard from us, which are never more than ours ahead of the
// tick we play: anything further is a flood.
bool Lockstep::Receive(TickInputs inputs) {
  if (inputs.tick <= heardThrough_) return true;
  if (inputs.tick != heardThrough_ + 1) return false;
  if (inputs.tick > played_ + 2 + 2 * static_cast<std::uint32_t>(kLongestDelay)) return false;
  if (inputs.lines.size() > kMostLinesInATick) return false;
  heardThrough_ = inputs.tick;
  theirs_.push_back(std::move(inputs.lines));
  return true;
}

bool Lockstep::ReceiveRecent(const RecentInputs& recent) {
  std::uint32_t tick = recent.last + 1 - static_cast<std::uint32_t>(recent.batches.size());
  for (const auto& lines : recent.batches) {
    if (tick > heardThrough_ + 1) return true;
    if (!Receive(TickInputs{tick++, lines})) return false;
  }
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
