#include "net/EnetLink.h"

#include <array>

#include "net/Protocol.h"

namespace net {

namespace {

constexpr std::size_t kChannels = 2;
constexpr enet_uint8 kReliableChannel = 0, kPingChannel = 1;
// ENet gives up on a peer that acknowledges nothing for this long.
constexpr enet_uint32 kPeerTimeoutMs = 10000;
// Closing waits up to 3 s for the other machine to have everything.
constexpr int kClosingWaits = 150, kClosingWaitMs = 20;

// Nothing a peer sends is kept beyond a few datagrams' worth.
void Bound(ENetHost* host) {
  host->maximumPacketSize = kLongestDatagram;
  host->maximumWaitingData = 64 * kLongestDatagram;
}

bool StartEnet() {
  static const bool started = enet_initialize() == 0;
  return started;
}

std::string AddressText(const ENetAddress& address) {
  std::array<char, 64> text{};
  if (enet_address_get_host_ip(&address, text.data(), text.size()) != 0) return "?";
  return text.data();
}

}  // namespace

std::unique_ptr<EnetLink> EnetLink::Host(std::uint16_t port, std::string& error) {
  if (!StartEnet()) {
    error = "The network cannot be used";
    return nullptr;
  }
  ENetAddress address{ENET_HOST_ANY, port};
  ENetHost* host = enet_host_create(&address, 1, kChannels, 0, 0);
  if (!host) {
    error = "Port " + std::to_string(port) + " is in use or not allowed";
    return nullptr;
  }
  Bound(host);
  return std::unique_ptr<EnetLink>(new EnetLink(host));
}

std::unique_ptr<EnetLink> EnetLink::Join(const std::string& name, std::uint16_t port,
                                         std::string& error) {
  ENetAddress address{0, port};
  if (!StartEnet() || enet_address_set_host(&address, name.c_str()) != 0) {
    error = "Could not find " + name;
    return nullptr;
  }
  ENetHost* host = enet_host_create(nullptr, 1, kChannels, 0, 0);
  if (!host) {
    error = "The network cannot be used";
    return nullptr;
  }
  Bound(host);
  auto link = std::unique_ptr<EnetLink>(new EnetLink(host));
  link->peer_ = enet_host_connect(host, &address, kChannels, kProtocolVersion);
  if (!link->peer_) {
    error = "Could not reach " + name + ":" + std::to_string(port);
    return nullptr;
  }
  enet_peer_timeout(link->peer_, 0, kPeerTimeoutMs, kPeerTimeoutMs);
  return link;
}

EnetLink::~EnetLink() {
  if (peer_ && state_ == LinkState::Connected) enet_peer_disconnect_now(peer_, 0);
  enet_host_destroy(host_);
}

void EnetLink::Send(const std::vector<std::uint8_t>& bytes, Delivery delivery) {
  if (state_ != LinkState::Connected) return;
  const bool reliable = delivery == Delivery::Reliable;
  ENetPacket* packet =
      enet_packet_create(bytes.data(), bytes.size(), reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
  if (enet_peer_send(peer_, reliable ? kReliableChannel : kPingChannel, packet) != 0)
    enet_packet_destroy(packet);
  // At once: the other machine may be waiting for it.
  if (delivery != Delivery::WithNext) enet_host_flush(host_);
}

void EnetLink::Service(int waitMs, std::vector<std::vector<std::uint8_t>>& received) {
  ENetEvent event;
  int wait = waitMs < 0 ? 0 : waitMs;
  while (state_ != LinkState::Closed && enet_host_service(host_, &event, wait) > 0) {
    Handle(event, received);
    wait = 0;
  }
  enet_host_flush(host_);
}

void EnetLink::Handle(const ENetEvent& event, std::vector<std::vector<std::uint8_t>>& received) {
  switch (event.type) {
    case ENET_EVENT_TYPE_CONNECT:
      if (state_ != LinkState::Waiting) {
        enet_peer_disconnect_now(event.peer, 0);  // one match, one other player
        return;
      }
      peer_ = event.peer;
      enet_peer_timeout(peer_, 0, kPeerTimeoutMs, kPeerTimeoutMs);
      peerAddress_ = AddressText(event.peer->address);
      state_ = LinkState::Connected;
      return;
    case ENET_EVENT_TYPE_RECEIVE:
      if (event.peer == peer_ && event.packet->dataLength <= kLongestDatagram)
        received.emplace_back(event.packet->data, event.packet->data + event.packet->dataLength);
      enet_packet_destroy(event.packet);
      return;
    case ENET_EVENT_TYPE_DISCONNECT:
      if (event.peer == peer_) state_ = LinkState::Closed;
      return;
    case ENET_EVENT_TYPE_NONE:
      return;
  }
}

std::uint64_t EnetLink::BytesSent() const {
  return host_->totalSentData;
}

std::uint64_t EnetLink::BytesReceived() const {
  return host_->totalReceivedData;
}

// Everything queued goes out first: the other machine may still need the
// last inputs to reach the tick where this one stopped.
void EnetLink::Close() {
  if (peer_ && state_ == LinkState::Connected) {
    enet_peer_disconnect_later(peer_, 0);
    ENetEvent event;
    for (int i = 0; i < kClosingWaits; ++i) {
      if (enet_host_service(host_, &event, kClosingWaitMs) < 0) break;
      if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
      if (event.type == ENET_EVENT_TYPE_DISCONNECT) break;
    }
  }
  state_ = LinkState::Closed;
}

void EnetLink::Drop() {
  if (peer_ && state_ == LinkState::Connected) enet_peer_reset(peer_);
  state_ = LinkState::Closed;
}

}  // namespace net
