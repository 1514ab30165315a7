#pragma once
// The link over ENet: UDP with ENet's own reliable, ordered channel for what
// must arrive (retransmitted, so loss and reordering never reach the match)
// and an unreliable one for pings and the copies of the latest inputs. One
// peer only. Debian's ENet (1.3.17) has no IPv6: IPv4 only.

#include <enet/enet.h>

#include <memory>
#include <optional>
#include <string>

#include "net/Link.h"

namespace net {

inline constexpr std::uint16_t kDefaultPort = 41780;

class EnetLink : public Link {
 public:
  // Waits for one player on `port`; nothing (and `error` says why) when the
  // port cannot be had.
  static std::unique_ptr<EnetLink> Host(std::uint16_t port, std::string& error);
  // Sets off to `address`:`port`; nothing when the address is not one.
  static std::unique_ptr<EnetLink> Join(const std::string& address, std::uint16_t port,
                                        std::string& error);
  ~EnetLink() override;

  void Send(const std::vector<std::uint8_t>& bytes, Delivery delivery) override;
  void Service(int waitMs, std::vector<std::vector<std::uint8_t>>& received) override;
  LinkState State() const override { return state_; }
  std::string PeerAddress() const override { return peerAddress_; }
  std::uint64_t BytesSent() const override;
  std::uint64_t BytesReceived() const override;
  void Close() override;
  void Drop() override;
  // The UDP socket, for an event loop to watch: service the link when it is readable.
  int SocketHandle() const { return static_cast<int>(host_->socket); }

 private:
  explicit EnetLink(ENetHost* host) : host_(host) {}
  void Handle(const ENetEvent& event, std::vector<std::vector<std::uint8_t>>& received);

  ENetHost* host_;
  ENetPeer* peer_ = nullptr;
  LinkState state_ = LinkState::Waiting;
  std::string peerAddress_;
};

}  // namespace net
