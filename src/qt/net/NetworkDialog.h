#pragma once
// The small "Network" dialog: host a match on a port, or join one at an
// address and port under this player's team name, with the state in words
// ("Waiting for a player on port 41780", "Connected to 192.0.2.7, 38 ms",
// "Could not reach 192.0.2.7:41780"). It hides itself when the match begins.

#include <QDialog>
#include <optional>

class NetworkPlay;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class NetworkDialog : public QDialog {
  Q_OBJECT

 public:
  NetworkDialog(NetworkPlay& play, QWidget* parent = nullptr);

  // Fills the dialog as the command line asked, and starts.
  void HostNow(int port, std::optional<int> delay);
  void JoinNow(const QString& address, int port);

  void SetTeam(const QString& team);
  QString StatusText() const;

 private:
  void BuildForm();
  void Start();
  void ShowStatus(const QString& status);
  void ShowChoice();

  NetworkPlay& play_;
  QRadioButton* host_ = nullptr;
  QRadioButton* join_ = nullptr;
  QLineEdit* address_ = nullptr;
  QSpinBox* port_ = nullptr;
  QLineEdit* team_ = nullptr;
  QSpinBox* delay_ = nullptr;  // 0: chosen from the round trip
  QLabel* status_ = nullptr;
  QPushButton* start_ = nullptr;
};
