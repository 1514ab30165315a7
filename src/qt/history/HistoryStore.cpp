#include "qt/history/HistoryStore.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>

#include "qt/history/Schema.h"

namespace {

constexpr int kBusyTimeoutMs = 10000;

QString NewConnectionName() {
  static std::atomic<int> count{0};
  return QString("gallowby-history-%1").arg(++count);
}

QString Stamp() {
  return QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss.zzz'Z'");
}

QVariant Text(const std::string& text) {
  return QString::fromStdString(text);
}

bool Exec(QSqlQuery& query, std::initializer_list<QVariant> values) {
  for (const QVariant& value : values) query.addBindValue(value);
  return query.exec();
}

bool InsertMatch(QSqlQuery& query, const KeptMatch& m, const QDateTime& started) {
  query.prepare(
      "INSERT INTO matches (started_at, team1, team2, overs, game_type, team1_runs, "
      "team1_wickets, team2_runs, team2_wickets, result, finished, script, network, peer, ending) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  return Exec(query, {started.toString(Qt::ISODate), Text(m.team1), Text(m.team2), Text(m.overs),
                      Text(m.gameType), m.team1Runs, m.team1Wickets, m.team2Runs, m.team2Wickets,
                      Text(m.result), m.finished ? 1 : 0, Text(m.script), m.peer.empty() ? 0 : 1,
                      Text(m.peer), Text(m.ending)});
}

bool InsertBalls(QSqlQuery& query, qint64 match, const std::vector<KeptBall>& balls) {
  query.prepare(
      "INSERT INTO balls (match, innings, over, ball, outcome, runs, wicket, wide) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  for (const KeptBall& b : balls)
    if (!Exec(query, {match, b.innings, b.over, b.ball, Text(b.outcome), b.runs, b.wicket ? 1 : 0,
                      b.wide ? 1 : 0}))
      return false;
  return true;
}

}  // namespace

QString DefaultHistoryFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/gallowby";
}

HistoryStore::HistoryStore(const QString& folder, Tell tell)
    : folder_(folder),
      file_(folder + "/matches.sqlite"),
      connection_(NewConnectionName()),
      tell_(std::move(tell)) {}

HistoryStore::~HistoryStore() {
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

bool HistoryStore::On() {
  if (!on_) on_ = Open();
  return *on_;
}

QSqlDatabase HistoryStore::Database() {
  On();
  return QSqlDatabase::database(connection_, false);
}

// A damaged file is moved aside once and a new one made in its place.
bool HistoryStore::Open() {
  if (!QDir().mkpath(folder_)) {
    offReason_ = "cannot make the folder " + folder_;
    return false;
  }
  QString why;
  if (OpenFile(why)) return true;
  if (why != "damaged") return offReason_ = why, false;
  MoveAside();
  if (OpenFile(why)) return true;
  offReason_ = why;
  return false;
}

bool HistoryStore::OpenFile(QString& why) {
  QSqlDatabase db = QSqlDatabase::contains(connection_)
                        ? QSqlDatabase::database(connection_, false)
                        : QSqlDatabase::addDatabase("QSQLITE", connection_);
  db.setDatabaseName(file_);
  db.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  if (!db.open()) return why = db.lastError().text(), false;
  if (history::FileVersion(db) < 0) {
    db.close();
    return why = "damaged", false;
  }
  QSqlQuery query(db);
  query.exec("PRAGMA journal_mode = WAL");
  query.exec("PRAGMA foreign_keys = ON");
  if (history::Migrate(db, why)) return true;
  db.close();
  return false;
}

void HistoryStore::MoveAside() {
  const QString aside = file_ + ".corrupt-" + Stamp();
  QFile::rename(file_, aside);
  // What SQLite kept beside it belongs to the damaged file.
  for (const char* suffix : {"-wal", "-shm"})
    if (QFile::exists(file_ + suffix)) QFile::rename(file_ + suffix, aside + suffix);
  tell_("The match history was damaged. It is kept as " + aside.toStdString() +
        " and a new history is started.");
}

void HistoryStore::MatchBegan() {
  startedAt_ = QDateTime::currentDateTimeUtc();
}

void HistoryStore::Keep(const KeptMatch& match) {
  QString why;
  if (On() && Save(match, why)) return;
  if (why.isEmpty()) why = offReason_;
  KeepElsewhere(match, why);
}

bool HistoryStore::Save(const KeptMatch& match, QString& why) {
  QSqlDatabase db = Database();
  QSqlQuery query(db);
  if (!query.exec("BEGIN IMMEDIATE")) return why = query.lastError().text(), false;
  const QDateTime started = startedAt_.isValid() ? startedAt_ : QDateTime::currentDateTimeUtc();
  const bool ok = InsertMatch(query, match, started);
  const qint64 id = query.lastInsertId().toLongLong();
  if (ok && InsertBalls(query, id, match.balls) && query.exec("COMMIT")) {
    lastSaved_ = id;
    return true;
  }
  why = query.lastError().text();
  QSqlQuery(db).exec("ROLLBACK");
  return false;
}

// The match is never lost: its script goes to the temporary folder.
void HistoryStore::KeepElsewhere(const KeptMatch& match, const QString& why) {
  const QString path = QDir::temp().filePath("gallowby-match-" + Stamp() + ".replay");
  QFile file(path);
  const bool written =
      file.open(QIODevice::WriteOnly) && file.write(QByteArray::fromStdString(match.script)) ==
                                             static_cast<qint64>(match.script.size());
  std::string message =
      "History is off: " + file_.toStdString() + " cannot be written (" + why.toStdString() + ").";
  message += written ? " This match's script is in " + path.toStdString() + "."
                     : " This match's script could not be written either.";
  tell_(message);
}
