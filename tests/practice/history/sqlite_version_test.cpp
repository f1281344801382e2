// The About box's SQLite version is that of the library the history runs
// on: Qt's driver loads the system's SQLite, the one the tests link.

#include "practice/history/sqlite_version.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QSqlDatabase>

namespace fretlab::practice {
namespace {

TEST(SqliteVersionTest, IsTheVersionOfTheLibraryTheHistoryRunsOn) {
  EXPECT_EQ(SqliteVersion(), QString::fromLatin1(sqlite3_libversion()));
  EXPECT_FALSE(QSqlDatabase::contains(QStringLiteral("fretlab-sqlite-version")))
      << "the connection asked is closed again";
}

}  // namespace
}  // namespace fretlab::practice
