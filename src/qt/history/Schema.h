#pragma once
// The history file's tables, and the steps that bring a file of any older
// version up to this one. The version is SQLite's user_version.

#include <QSqlDatabase>
#include <QString>

namespace history {

// Brings the database up to the current version, one step at a time, each in
// its transaction; false, with the reason, if it cannot.
bool Migrate(QSqlDatabase& db, QString& why);

int CurrentVersion();
// The file's version; -1 when it is not a database at all (damaged).
int FileVersion(QSqlDatabase& db);

}  // namespace history
