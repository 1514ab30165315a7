#pragma once
// The network as a shared match sees it: one other machine, and datagrams
// both ways, reliable and in order (inputs, settings, checks, goodbyes) or
// not (pings, the copies of the latest inputs). ENet carries them in play; tests use a fake pair in
// memory.

#include <cstdint>
#include <string>
#include <vector>

namespace net {

enum class LinkState { Waiting, Connected, Closed };

// How a datagram goes: resent until it arrives, in order; once, at once
// (pings); or once, with the next datagram sent (a copy riding along).
enum class Delivery { Reliable, Unreliable, WithNext };

class Link {
 public:
  virtual ~Link() = default;
  virtual void Send(const std::vector<std::uint8_t>& bytes, Delivery delivery) = 0;
  // Moves the network on, waiting up to `waitMs` for something to happen, and
  // appends every datagram that has come.
  virtual void Service(int waitMs, std::vector<std::vector<std::uint8_t>>& received) = 0;
  virtual LinkState State() const = 0;
  // The other machine's address ("192.0.2.7"), once connected.
  virtual std::string PeerAddress() const = 0;
  // Bytes sent and received on the wire so far, headers included.
  virtual std::uint64_t BytesSent() const = 0;
  virtual std::uint64_t BytesReceived() const = 0;
  // Sends what is queued and lets the other machine know we are going.
  virtual void Close() = 0;
  // Gives up on the other machine at once (it is gone, or it broke the rules).
  virtual void Drop() = 0;
};

}  // namespace net
