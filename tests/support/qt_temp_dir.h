#pragma once
// The test's own temporary folder (temp_dir.h) as Qt code reads paths: the
// suites that run windows, the history and Qt's file dialogs use it in
// place of QTemporaryDir, so that every suite makes its folders one way.

#include <QString>

#include "support/temp_dir.h"

namespace fretlab::testing {

class QtTempDir : public TempDir {
 public:
  QString path() const { return QString::fromStdString(TempDir::path()); }
  // The path of `name` inside the folder; nothing is made.
  QString filePath(const QString& name) const {
    return QString::fromStdString(File(name.toStdString()));
  }
  // Made when constructed, or the constructor threw.
  bool isValid() const { return true; }
};

}  // namespace fretlab::testing
