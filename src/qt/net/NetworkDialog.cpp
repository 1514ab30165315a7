#include "qt/net/NetworkDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "net/EnetLink.h"
#include "net/Protocol.h"
#include "qt/net/NetworkPlay.h"

NetworkDialog::NetworkDialog(NetworkPlay& play, QWidget* parent) : QDialog(parent), play_(play) {
  setObjectName(QStringLiteral("frmNetwork"));
  setWindowTitle(QStringLiteral("Network"));
  BuildForm();
  connect(&play_, &NetworkPlay::statusChanged, this, &NetworkDialog::ShowStatus);
  connect(&play_, &NetworkPlay::matchStarting, this, &QDialog::hide);
}

void NetworkDialog::BuildForm() {
  host_ = new QRadioButton(QStringLiteral("&Host a match"), this);
  join_ = new QRadioButton(QStringLiteral("&Join a match"), this);
  host_->setChecked(true);
  address_ = new QLineEdit(this);
  address_->setPlaceholderText(QStringLiteral("192.0.2.7"));
  port_ = new QSpinBox(this);
  port_->setRange(1, 65535);
  port_->setValue(net::kDefaultPort);
  team_ = new QLineEdit(QStringLiteral("Team2"), this);
  team_->setMaxLength(static_cast<int>(net::kLongestName));
  delay_ = new QSpinBox(this);
  delay_->setRange(0, net::kLongestDelay);
  delay_->setSpecialValueText(QStringLiteral("from the round trip"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setWordWrap(true);
  start_ = new QPushButton(QStringLiteral("&Start"), this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Address:"), address_);
  form->addRow(QStringLiteral("&Port:"), port_);
  form->addRow(QStringLiteral("&Team name:"), team_);
  form->addRow(QStringLiteral("Input &delay (ticks):"), delay_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(start_, QDialogButtonBox::AcceptRole);
  connect(start_, &QPushButton::clicked, this, &NetworkDialog::Start);
  connect(buttons, &QDialogButtonBox::rejected, this, [this] {
    play_.Stop();
    hide();
  });
  connect(host_, &QRadioButton::toggled, this, &NetworkDialog::ShowChoice);
  auto* column = new QVBoxLayout(this);
  column->addWidget(host_);
  column->addWidget(join_);
  column->addLayout(form);
  column->addWidget(status_);
  column->addWidget(buttons);
  ShowChoice();
}

// The host chooses the port and the delay; the joining player the address
// and their team's name too.
void NetworkDialog::ShowChoice() {
  const bool hosting = host_->isChecked();
  address_->setEnabled(!hosting);
  team_->setEnabled(!hosting);
  delay_->setEnabled(hosting);
}

void NetworkDialog::SetTeam(const QString& team) {
  team_->setText(team);
}

void NetworkDialog::HostNow(int port, std::optional<int> delay) {
  host_->setChecked(true);
  port_->setValue(port);
  delay_->setValue(delay.value_or(0));
  Start();
}

void NetworkDialog::JoinNow(const QString& address, int port) {
  join_->setChecked(true);
  address_->setText(address);
  port_->setValue(port);
  Start();
}

void NetworkDialog::Start() {
  play_.Stop();
  std::string error;
  const auto port = static_cast<std::uint16_t>(port_->value());
  const bool started =
      host_->isChecked()
          ? play_.Host(port, delay_->value() > 0 ? std::optional(delay_->value()) : std::nullopt,
                       error)
          : play_.Join(address_->text().trimmed().toStdString(), port, team_->text().toStdString(),
                       error);
  if (!started) ShowStatus(QString::fromStdString(error));
}

void NetworkDialog::ShowStatus(const QString& status) {
  status_->setText(status);
}

QString NetworkDialog::StatusText() const {
  return status_->text();
}
