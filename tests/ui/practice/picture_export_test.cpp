// Pictures of the neck: an SVG read back has a circle at every mark's centre
// in its colour and its label as text; a PNG is twice the resolution and
// shows the same; --render writes them and refuses bad values.

#include "ui/practice/picture_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/full_disk.h"
#include "support/other_user.h"
#include "ui/practice/practice_fixture.h"
#include "support/qt_temp_dir.h"

namespace fretlab::testing {
namespace {

struct SvgShape {
  QString kind;  // "ellipse" or "text"
  double x = 0, y = 0;  // centre of an ellipse, anchor of a text
  QString fill;
  QString text;
};

// Reads the drawing back: shapes with the fill and translation they inherit
// from their groups.
std::vector<SvgShape> ReadSvg(const QString& path, QString* title) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::vector<std::pair<QString, double>> groups;  // fill, y translation
  std::vector<SvgShape> shapes;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == QLatin1String("g")) groups.pop_back();
    if (!xml.isStartElement()) continue;
    const auto a = xml.attributes();
    if (xml.name() == QLatin1String("title")) *title = xml.readElementText();
    if (xml.name() == QLatin1String("g")) {
      QString fill = a.value(QLatin1String("fill")).toString();
      double dy = 0;
      const QString transform = a.value(QLatin1String("transform")).toString();
      if (transform.startsWith(QLatin1String("matrix("))) {
        dy = transform.mid(7).chopped(1).split(QLatin1Char(',')).value(5).toDouble();
      }
      groups.push_back({fill, dy});
    } else if (xml.name() == QLatin1String("ellipse") || xml.name() == QLatin1String("circle")) {
      const double dy = groups.empty() ? 0 : groups.back().second;
      shapes.push_back({QStringLiteral("ellipse"), a.value(QLatin1String("cx")).toDouble(),
                        a.value(QLatin1String("cy")).toDouble() + dy,
                        groups.empty() ? QString() : groups.back().first, {}});
    } else if (xml.name() == QLatin1String("text")) {
      const double dy = groups.empty() ? 0 : groups.back().second;
      SvgShape t{QStringLiteral("text"), a.value(QLatin1String("x")).toDouble(),
                 a.value(QLatin1String("y")).toDouble() + dy,
                 a.value(QLatin1String("fill")).toString(), {}};
      t.text = xml.readElementText();
      shapes.push_back(t);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return shapes;
}

QString Hex(Rgb c) { return QColor(c.red, c.green, c.blue).name(); }

// Every mark has its circle (its colour, at its centre) and its label (as
// text inside the circle); nothing else is drawn in a mark's colours at a
// mark's place.
void ExpectMarksInSvg(const QString& path, const PracticeView& view, QSizeF neck) {
  QString title;
  const std::vector<SvgShape> shapes = ReadSvg(path, &title);
  EXPECT_EQ(title.toStdString(), view.Title());
  const NeckLayout layout(neck.width(), neck.height(), view.tuning.StringCount(), view.spacing,
                          view.leftHanded);
  const double top = TitleHeight(neck);
  const auto marks = BuildMarks(view);
  ASSERT_FALSE(marks.empty());
  for (const NeckMark& m : marks) {
    const NeckPoint c = layout.Centre(m.position);
    const double r = layout.MarkerRadius(m.position.fret);
    int circles = 0, labels = 0;
    for (const SvgShape& s : shapes) {
      const bool here = std::abs(s.x - c.x) < 0.01 && std::abs(s.y - (c.y + top)) < 0.01;
      if (s.kind == QLatin1String("ellipse") && here && s.fill == Hex(m.fill)) ++circles;
      if (s.kind == QLatin1String("text") && s.text == QString::fromStdString(m.label) &&
          std::abs(s.x - c.x) < r && std::abs(s.y - (c.y + top)) < r) {
        ++labels;
      }
    }
    EXPECT_EQ(circles, 1) << "string " << m.position.string << " fret " << m.position.fret;
    EXPECT_EQ(labels, m.label.empty() ? 0 : 1) << m.label << " at " << m.position.string << "/"
                                                << m.position.fret;
  }
  bool titled = false;
  for (const SvgShape& s : shapes) titled |= s.kind == QLatin1String("text") && s.text.toStdString() == view.Title();
  EXPECT_TRUE(titled);
}

TEST_F(PracticeTest, ExportedSvgMatchesTheScreen) {
  Choose([](PracticeChoices& c) {
    c.view.tuning = *FindPresetTuning("DADGAD");
    c.view.rootPitchClass = 9;
    c.view.entry = 3;
    c.view.labels = LabelMode::kIntervals;
  });
  const QString svg = dir.filePath(QStringLiteral("dorian.svg"));
  QString error;
  ASSERT_TRUE(window->exportPictureTo(svg, &error)) << error.toStdString();
  ExpectMarksInSvg(svg, window->view(), QSizeF(Neck().size()));

  Choose([](PracticeChoices& c) {
    c.view.tuning = *FindPresetTuning("Standard");
    c.view.leftHanded = true;
    c.view.capo = 3;
    c.view.rootPitchClass = 4;
    c.view.entry = 10;  // E minor pentatonic
    c.view.labels = LabelMode::kNoteNames;
    c.wholeNeck = false;
    c.fretBox = {0, 8};
  });
  ASSERT_TRUE(window->exportPictureTo(svg, &error)) << error.toStdString();
  ExpectMarksInSvg(svg, window->view(), QSizeF(Neck().size()));
  QString title;
  for (const SvgShape& s : ReadSvg(svg, &title)) {
    // Left-handed, behind the capo: nothing marked right of fret 3's line.
    if (s.kind == QLatin1String("text") && s.fill == QLatin1String("#ffffff")) {
      EXPECT_LT(s.x, Neck().layout().FretLineX(2));
    }
  }
}

TEST_F(PracticeTest, ExportedPngIsTwiceTheResolutionAndShowsTheMarks) {
  Choose([](PracticeChoices& c) {
    c.wholeNeck = false;
    c.fretBox = {5, 5};
  });
  const QString png = dir.filePath(QStringLiteral("c.png"));
  QString error;
  ASSERT_TRUE(window->exportPictureTo(png, &error)) << error.toStdString();
  QImage image(png);
  const QSizeF neck(Neck().size());
  const double top = TitleHeight(neck);
  EXPECT_EQ(image.size(), ((neck + QSizeF(0, top)) * 2).toSize());
  EXPECT_EQ(image.width(), 2 * Neck().width());
  const NeckLayout layout = Neck().layout();
  for (const NeckMark& m : Neck().picture().marks) {
    const NeckPoint c = layout.Centre(m.position);
    const double off = layout.MarkerRadius(5) * 0.6;
    EXPECT_EQ(image.pixelColor(static_cast<int>(2 * (c.x + off)), static_cast<int>(2 * (c.y + top))),
              QColor(m.fill.red, m.fill.green, m.fill.blue));
  }
  EXPECT_FALSE(window->exportPictureTo(dir.filePath(QStringLiteral("c.jpg")), &error));
  EXPECT_TRUE(error.contains(QLatin1String(".svg or .png")));
  EXPECT_FALSE(window->exportPictureTo(dir.filePath(QStringLiteral("none/c.png")), &error));
  EXPECT_TRUE(error.contains(QLatin1String("none/c.png"))) << error.toStdString();
}

TEST(RenderCommand, WritesThePictureOrRefusesWithOneLine) {
  QtTempDir dir;
  const std::string svg = dir.filePath(QStringLiteral("out.svg")).toStdString();
  std::ostringstream errors;
  EXPECT_EQ(RenderCommand({"--render", svg, "--tuning", "DADGAD", "--root", "A", "--scale",
                           "Dorian", "--labels", "degrees", "--left-handed", "--frets", "0-12"},
                          errors), 0);
  EXPECT_EQ(errors.str(), "");
  PracticeView view;
  view.tuning = *FindPresetTuning("DADGAD");
  view.rootPitchClass = 9;
  view.rootName = SpelledNote{5, 0};
  view.entry = 3;
  view.labels = LabelMode::kDegrees;
  view.leftHanded = true;
  view.frets = {0, 12};
  ExpectMarksInSvg(QString::fromStdString(svg), view, DefaultNeckSize(6));

  const std::string png = dir.filePath(QStringLiteral("bass.png")).toStdString();
  EXPECT_EQ(RenderCommand({"--render", png, "--tuning", "bass", "--chord", "Dominant 7"}, errors), 0);
  EXPECT_EQ(QImage(QString::fromStdString(png)).size(),
            (DefaultNeckSize(4) + QSizeF(0, TitleHeight(DefaultNeckSize(4)))).toSize() * 2);

  EXPECT_EQ(RenderCommand({"--render", svg, "--labels", "colours"}, errors), 2);
  EXPECT_EQ(errors.str(),
            "fretlab: --labels \"colours\" is not allowed; use notes, intervals, degrees, names or none\n");
  errors.str("");
  // Notes typed from the top string down: the one line gives them the other way round.
  EXPECT_EQ(RenderCommand({"--render", svg, "--tuning", "E4 B3 G3 D3 A2 E2"}, errors), 2);
  EXPECT_EQ(errors.str(), "fretlab: --tuning: \"E4 B3 G3 D3 A2 E2\" runs from the highest string down; "
                          "give the lowest string first: \"E2 A2 D3 G3 B3 E4\"\n");
  errors.str("");
  EXPECT_EQ(RenderCommand({"--render", dir.filePath(QStringLiteral("no/such.svg")).toStdString()}, errors), 1);
  EXPECT_NE(errors.str().find("no/such.svg"), std::string::npos) << errors.str();
  EXPECT_EQ(errors.str().find('\n'), errors.str().size() - 1);
}

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// The SVG is about 40 kB, the PNG more: a disk with 4 kB left cuts either.
TEST(RenderCommand, AFullDiskGivesStatusOneAndKeepsTheOldPicture) {
  QtTempDir dir;
  for (const char* name : {"keep.svg", "keep.png"}) {
    const std::string out = dir.filePath(QString::fromLatin1(name)).toStdString();
    PutText(out, "old picture");
    for (const FullDisk::Failing failing : {FullDisk::kWrites, FullDisk::kSync}) {
      std::ostringstream errors;
      int status = -1;
      {
        FullDisk disk(4096, failing);
        status = RenderCommand({"--render", out, "--root", "A", "--scale", "Dorian"}, errors);
        EXPECT_GT(disk.Attempted(), 4096u);
      }
      EXPECT_EQ(status, 1) << name;
      EXPECT_EQ(errors.str(), "fretlab: Cannot write the picture \"" + out +
                                  "\": No space left on device; free some space or choose another "
                                  "disk.\n");
      EXPECT_EQ(FileText(out), "old picture");
    }
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{QStringLiteral("keep.png"), QStringLiteral("keep.svg")}));
}

TEST_F(PracticeTest, ExportPictureOnAFullDiskSaysSoAndKeepsTheOldFile) {
  const QString svg = dir.filePath(QStringLiteral("keep.svg"));
  PutText(svg.toStdString(), "old picture");
  QString error;
  bool written = true;
  {
    FullDisk disk(4096);
    written = window->exportPictureTo(svg, &error);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(error.toStdString(), "Cannot write the picture \"" + svg.toStdString() +
                                     "\": No space left on device; free some space or choose "
                                     "another disk.");
  EXPECT_EQ(FileText(svg.toStdString()), "old picture");
}

// The file dialog shows a folder named by bytes that are not UTF-8 with
// replacement characters and gives that text back: the picture still goes
// into that folder.
TEST_F(PracticeTest, ExportPictureFindsAFolderNamedByBytesThatAreNotUtf8) {
  const std::filesystem::path folder =
      QFile::encodeName(dir.path()).toStdString() + "/bad\xff\xfe";
  std::filesystem::create_directory(folder);
  const QString shown = QFile::decodeName(QByteArray::fromStdString((folder / "neck.svg").string()));
  ASSERT_TRUE(shown.contains(QChar::ReplacementCharacter));
  QString error;
  EXPECT_TRUE(window->exportPictureTo(shown, &error)) << error.toStdString();
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "neck.svg"));
  std::filesystem::remove_all(folder);  // Qt cannot name it to remove it with the rest
}

TEST(RenderCommand, TheNameIsTheSystemsBytesEvenWhenTheyAreNotUtf8) {
  QtTempDir dir;
  const std::string folder = QFile::encodeName(dir.path()).toStdString();
  std::ostringstream errors;
  ASSERT_EQ(RenderCommand({"--render", folder + "/caf\xe9.svg"}, errors), 0) << errors.str();
  ASSERT_EQ(RenderCommand({"--render", folder + "/caf\xe8.svg", "--root", "D"}, errors), 0);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"caf\xe8.svg", "caf\xe9.svg"}));
  EXPECT_NE(FileText(folder + "/caf\xe9.svg"), FileText(folder + "/caf\xe8.svg"));
  // Qt cannot name such files to remove them with the folder.
  for (const std::string& name : names) std::filesystem::remove(folder + "/" + name);
}

TEST(RenderCommand, APipeOrAReadOnlyFileIsRefusedWithStatusOne) {
  QtTempDir dir;
  const std::string pipe = dir.filePath(QStringLiteral("pipe.svg")).toStdString();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::ostringstream errors;
  EXPECT_EQ(RenderCommand({"--render", pipe}, errors), 1);
  EXPECT_EQ(errors.str(), "fretlab: Cannot write the picture \"" + pipe +
                              "\": Is a named pipe (FIFO), not a file; choose another name.\n");
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));

  const std::string kept = dir.filePath(QStringLiteral("kept.png")).toStdString();
  PutText(kept, "old picture");
  ::chmod(kept.c_str(), 0444);
  std::ostringstream refused;
  int status = -1;
  {
    AsOrdinaryUser user({dir.path().toStdString(), kept});
    status = RenderCommand({"--render", kept}, refused);
  }
  EXPECT_EQ(status, 1);
  EXPECT_EQ(refused.str(), "fretlab: Cannot write the picture \"" + kept +
                               "\": The file is read-only; make it writable or choose another "
                               "name.\n");
  EXPECT_EQ(FileText(kept), "old picture");
}

}  // namespace
}  // namespace fretlab::testing
