// The replay driver's match history: `history DIR` keeps each match in
// DIR/matches.sqlite, `saved` prints the last row it kept.
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "Driver.h"
#include "Json.h"
#include "qt/history/HistoryStore.h"

void Driver::History(const Command& c) {
  if (c.words.empty()) throw ScriptError{c.line, "history needs a folder"};
  audience_->keeper.SetHistory(nullptr);
  history_.reset();
  std::string folder = c.words[0];
  for (std::size_t i = 1; i < c.words.size(); ++i) folder += " " + c.words[i];
  history_ = std::make_unique<HistoryStore>(QString::fromStdString(folder),
                                            [this](const std::string& m) { forms_.MessageBox(m); });
  audience_->keeper.SetHistory(history_.get());
}

// Every column of the last match kept but its script, as JSON.
void Driver::Saved(const Command& c) {
  ExpectWords(c, 0);
  if (!history_ || !history_->LastSaved()) return Emit("{\"saved\":null}");
  QSqlQuery query(history_->Database());
  query.prepare("SELECT * FROM matches WHERE id = ?");
  query.addBindValue(*history_->LastSaved());
  if (!query.exec() || !query.next()) return Emit("{\"saved\":null}");
  const QSqlRecord row = query.record();
  std::string out = "{\"saved\":{";
  bool first = true;
  for (int i = 0; i < row.count(); ++i) {
    if (row.fieldName(i) == "script") continue;
    const QVariant value = row.value(i);
    out += (first ? "" : ",") + json::Quote(row.fieldName(i).toStdString()) + ":";
    out += value.typeId() == QMetaType::QString ? json::Quote(value.toString().toStdString())
                                                : json::Number(value.toLongLong());
    first = false;
  }
  Emit(out + "}}");
}
