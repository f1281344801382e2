#pragma once
// The window's file commands under test: a scratch folder, the open E major
// chord built on the neck, and file bytes laid out by hand rather than by
// the writer under test.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "ui/command_ids.h"
#include "ui_test_support.h"
#include "support/qt_temp_dir.h"

namespace fretlab::testing {

using Bytes = std::vector<std::uint8_t>;

// Little-endian 32-bit words, written out by hand rather than by the writer.
inline void PutWord(Bytes& bytes, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(u >> shift));
}

inline Bytes ReadAll(const QString& path) {
  std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const QString& path, const Bytes& bytes) {
  std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The open E major shape as a quarter note: the file every save of it must
// produce, byte for byte.
inline const Bytes kEMajorFile = {
    0x28, 0, 0, 0, 0x00, 0, 0, 0, 0x2F, 0, 0, 0, 0x02, 0, 0, 0,  //
    0x34, 0, 0, 0, 0x02, 0, 0, 0, 0x38, 0, 0, 0, 0x01, 0, 0, 0,  //
    0x3B, 0, 0, 0, 0x00, 0, 0, 0, 0x40, 0, 0, 0, 0x00, 0, 0, 0,  //
    0x32, 0, 0, 0, 0x00, 0, 0, 0, 0x0F, 0x27, 0, 0};

class SequenceFiles : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    ASSERT_TRUE(folder.isValid());
  }
  void Pick(StringIndex s, FretIndex f) { ClickClient({g_fretX[f], g_stringY[s]}); }
  // Builds the open E major chord on the neck, low E string first, and adds
  // it as a quarter note.
  void AddEMajor() {
    const FretIndex frets[6] = {0, 2, 2, 1, 0, 0};  // by chord slot
    for (ChordSlot slot = 0; slot < 6; ++slot) Pick(StringOfSlot(slot), frets[slot]);
    Choose(ID_ADD_QUARTER);
  }
  QString Path(const QString& name) const { return folder.filePath(name); }
  std::filesystem::path NativePath(const QString& name) const {
    return QFile::encodeName(Path(name)).toStdString();
  }

  QtTempDir folder;
};

}  // namespace fretlab::testing
