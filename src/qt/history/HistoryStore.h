#pragma once
// The match history: one SQLite file, matches.sqlite in the history folder
// ($XDG_DATA_HOME/gallowby, ~/.local/share/gallowby when unset), written
// through Qt SQL. Each match goes in with its balls in one transaction when it
// closes. Several games may write the same file at once (WAL, a busy timeout).
// A damaged file is moved aside, never overwritten, and a new one started; a
// file that cannot be written never stops a match: its script goes to a file
// in the temporary folder instead, and the player is told where.

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/ports/MatchHistory.h"

// The folder the game keeps its history in.
QString DefaultHistoryFolder();

class HistoryStore : public MatchHistory {
 public:
  using Tell = std::function<void(const std::string&)>;  // one message to the player

  HistoryStore(const QString& folder, Tell tell);
  ~HistoryStore() override;
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  void MatchBegan() override;
  void Keep(const KeptMatch& match) override;

  // The history can be read and written. The file is opened (made, mended,
  // brought up to date) the first time it is needed, not before.
  bool On();
  QSqlDatabase Database();
  QString File() const { return file_; }
  // The row of the last match this store saved.
  std::optional<qint64> LastSaved() const { return lastSaved_; }

 private:
  bool Open();
  bool OpenFile(QString& why);
  void MoveAside();
  bool Save(const KeptMatch& match, QString& why);
  void KeepElsewhere(const KeptMatch& match, const QString& why);

  QString folder_;
  QString file_;
  QString connection_;
  Tell tell_;
  std::optional<bool> on_;  // not known until first opened
  QString offReason_;
  QDateTime startedAt_;
  std::optional<qint64> lastSaved_;
};
