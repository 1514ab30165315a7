#pragma once
// A match shared over the network, as the game window runs it: the session
// serviced from the event loop whenever a datagram comes (and every 50 ms for
// pings and time-outs, in the match loop too), this machine's panel filled with the match's
// settings and locked once both players have met, then Begin pressed on both machines at once. The
// panel is given back when the match ends.

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "net/EnetLink.h"
#include "net/Session.h"

class Game;
class QtForms;

class NetworkPlay : public QObject {
  Q_OBJECT

 public:
  NetworkPlay(Game& game, QtForms& forms);
  ~NetworkPlay() override;

  // Waits for a player on `port`; false, with `error` saying why, when it cannot.
  bool Host(std::uint16_t port, std::optional<int> delay, std::string& error);
  // Calls the host at `address`:`port`, this player's team being `team`.
  bool Join(const std::string& address, std::uint16_t port, const std::string& team,
            std::string& error);
  // Gives up on the meeting or the match.
  void Stop();
  bool Active() const;
  // The state in words, for the dialog and the window's title.
  QString Status() const;

 signals:
  void statusChanged(const QString& status);
  void matchStarting();

 private:
  void Start(std::unique_ptr<net::EnetLink> link, const net::SessionOptions& options);
  void Summarise();
  void ShowInTitle();
  void Service();
  void ShowSettings(const net::MatchSettings& settings);
  void PlayMatch();

  Game& game_;
  QtForms& forms_;
  std::unique_ptr<net::Session> session_;
  QTimer service_;
  std::unique_ptr<QSocketNotifier> datagrams_;
  QString lastStatus_;
  bool summarised_ = false;
};
