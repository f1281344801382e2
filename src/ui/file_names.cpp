#include "ui/file_names.h"

#include <QFile>
#include <system_error>

namespace fretlab {

namespace fs = std::filesystem;

namespace {

fs::path FromBytes(const QByteArray& bytes) { return fs::path(bytes.toStdString()); }

// The one entry of `folder` that the dialog shows as `shown`, if exactly one.
fs::path MatchEntry(const fs::path& folder, const QString& shown) {
  std::error_code ec;
  fs::path match;
  int matches = 0;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const fs::path name = it->path().filename();
    if (DisplayFileName(name) == shown) {
      match = name;
      ++matches;
    }
  }
  return matches == 1 ? match : fs::path();
}

}  // namespace

fs::path NativeFileName(const QString& name) {
  if (!name.contains(QChar::ReplacementCharacter)) return FromBytes(QFile::encodeName(name));
  fs::path file = name.startsWith(QLatin1Char('/')) ? fs::path("/") : fs::path();
  for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    fs::path bytes;
    if (part.contains(QChar::ReplacementCharacter)) bytes = MatchEntry(file, part);
    if (bytes.empty()) bytes = FromBytes(QFile::encodeName(part));
    file /= bytes;
  }
  return file;
}

QString DisplayFileName(const fs::path& file) {
  return QFile::decodeName(QByteArray::fromStdString(file.string()));
}

QString DialogFolder(const fs::path& folder) {
  for (fs::path at = folder; !at.empty(); at = at.parent_path()) {
    const QString text = DisplayFileName(at);
    if (QFile::encodeName(text) == QByteArray::fromStdString(at.string())) return text;
    if (at == at.parent_path()) break;
  }
  return {};
}

}  // namespace fretlab
