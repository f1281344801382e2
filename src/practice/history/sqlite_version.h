#pragma once
// The version of SQLite that Qt's driver runs the history on ("3.40.1"), as
// the library itself reports it; empty when Qt has no SQLite driver.

#include <QString>

namespace fretlab::practice {

QString SqliteVersion();

}  // namespace fretlab::practice
