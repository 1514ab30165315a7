#include "qt/net/NetworkPlay.h"

#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>

#include "core/game/Game.h"
#include "net/EnetLink.h"
#include "net/MatchPanel.h"
#include "qt/forms/OptionsForm.h"
#include "qt/forms/QtForms.h"

namespace {
// Pings, time-outs and ENet's resending between datagrams.
constexpr int kServiceEveryMs = 50;
}  // namespace

NetworkPlay::NetworkPlay(Game& game, QtForms& forms) : game_(game), forms_(forms) {
  service_.setInterval(kServiceEveryMs);
  connect(&service_, &QTimer::timeout, this, &NetworkPlay::Service);
}

NetworkPlay::~NetworkPlay() = default;

bool NetworkPlay::Host(std::uint16_t port, std::optional<int> delay, std::string& error) {
  auto link = net::EnetLink::Host(port, error);
  if (!link) return false;
  net::SessionOptions options;
  options.host = true;
  options.port = port;
  options.delay = delay;
  Start(std::move(link), options);
  return true;
}

bool NetworkPlay::Join(const std::string& address, std::uint16_t port, const std::string& team,
                       std::string& error) {
  auto link = net::EnetLink::Join(address, port, error);
  if (!link) return false;
  net::SessionOptions options;
  options.team = team;
  options.target = address + ":" + std::to_string(port);
  Start(std::move(link), options);
  return true;
}

void NetworkPlay::Start(std::unique_ptr<net::EnetLink> link, const net::SessionOptions& options) {
  datagrams_ = std::make_unique<QSocketNotifier>(link->SocketHandle(), QSocketNotifier::Read);
  connect(datagrams_.get(), &QSocketNotifier::activated, this, &NetworkPlay::Service);
  session_ = std::make_unique<net::Session>(game_, std::move(link), options);
  summarised_ = false;
  session_->showSettings = [this](const net::MatchSettings& m) { ShowSettings(m); };
  service_.start();
  Service();
}

void NetworkPlay::Stop() {
  if (!session_ || game_.MatchRunning()) return;
  session_->MatchClosed();
  service_.stop();
  datagrams_.reset();
  session_.reset();
  if (OptionsForm* form = forms_.Options()) form->LockMatchSettings(false);
  emit statusChanged(Status());
}

bool NetworkPlay::Active() const {
  return session_ && session_->CurrentStage() != net::Stage::Ended;
}

QString NetworkPlay::Status() const {
  if (!session_) return {};
  std::string status = session_->Status();
  if (session_->CurrentStage() == net::Stage::Playing)
    status += ", delay " + std::to_string(session_->InputDelay()) + " ticks";
  return QString::fromStdString(status);
}

void NetworkPlay::Service() {
  if (!session_) return;
  session_->Service(0);
  const QString status = Status();
  if (status != lastStatus_) {
    lastStatus_ = status;
    emit statusChanged(status);
    ShowInTitle();
  }
  if (session_->CurrentStage() == net::Stage::Ready && !game_.MatchRunning())
    QTimer::singleShot(0, this, &NetworkPlay::PlayMatch);
  if (session_->CurrentStage() == net::Stage::Ended) Summarise();
  if (session_->CurrentStage() == net::Stage::Ended && !game_.MatchRunning()) {
    service_.stop();
    datagrams_.reset();
    if (OptionsForm* form = forms_.Options()) form->LockMatchSettings(false);
  }
}

// Both panels show the host's settings, the joining player's team as Team2.
void NetworkPlay::ShowSettings(const net::MatchSettings& settings) {
  OptionsForm* form = forms_.Options();
  if (!form) return;
  const net::PanelValues values = net::PanelOf(settings);
  for (Option option : values.selected) form->Button(option)->setChecked(true);
  for (const auto& [box, text] : values.texts)
    form->Box(box)->setText(QString::fromStdString(text));
  form->LockMatchSettings(true);
}

// Begin, as if pressed; it returns when the match has closed.
void NetworkPlay::PlayMatch() {
  if (!session_ || session_->CurrentStage() != net::Stage::Ready || game_.MatchRunning()) return;
  session_->Started();
  emit matchStarting();
  game_.cmdBegin_Click();
  if (!session_) return;
  session_->MatchClosed();
  Service();
}

// While the match is shared, the window's title says with whom, the round
// trip and the input delay.
void NetworkPlay::ShowInTitle() {
  OptionsForm* form = forms_.Options();
  if (!form) return;
  const bool playing = session_->CurrentStage() == net::Stage::Playing;
  form->setWindowTitle(playing ? QStringLiteral("Gallowby - ") + lastStatus_ : QString());
}

// How the match went over the network, once, on standard error.
void NetworkPlay::Summarise() {
  if (summarised_) return;
  summarised_ = true;
  std::fprintf(stderr, "gallowby: network match with %s: %s\n", session_->PeerAddress().c_str(),
               session_->Summary().c_str());
}
