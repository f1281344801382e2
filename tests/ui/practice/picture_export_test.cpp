// Pictures of the neck: an SVG read back has a circle at every mark's centre
// in its colour and its label as text; a PNG is twice the resolution and
// shows the same; --render writes them and refuses bad values.

#include "ui/practice/picture_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <sstream>

#include "ui/practice/practice_fixture.h"

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
  QTemporaryDir dir;
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

}  // namespace
}  // namespace fretlab::testing
