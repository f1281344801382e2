#include "practice/history/sqlite_version.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace fretlab::practice {

QString SqliteVersion() {
  const QString name = QStringLiteral("fretlab-sqlite-version");
  QString version;
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(QStringLiteral(":memory:"));
    if (database.open()) {
      QSqlQuery query(QStringLiteral("SELECT sqlite_version()"), database);
      if (query.next()) version = query.value(0).toString();
    }
  }  // the connection's last handle goes before it is removed
  QSqlDatabase::removeDatabase(name);
  return version;
}

}  // namespace fretlab::practice
