#include "ui/practice/picture_export.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <ostream>

namespace fretlab {

namespace {

const QColor kPaper(Qt::white);
const QColor kInk(0x22, 0x22, 0x22);

bool Fail(QString* error, const QString& text) {
  if (error) *error = text;
  return false;
}

}  // namespace

QSizeF DefaultNeckSize(int stringCount) { return QSizeF(1200, 60 + 40 * stringCount); }

double TitleHeight(QSizeF neckSize) {
  return std::clamp(neckSize.height() * 0.14, 24.0, 64.0);
}

NeckPicture PictureOfView(const PracticeView& view) {
  NeckPicture picture;
  picture.tuning = view.tuning;
  picture.capo = view.capo;
  picture.frets = view.frets;
  picture.spacing = view.spacing;
  picture.leftHanded = view.leftHanded;
  picture.marks = BuildMarks(view);
  picture.shapes = BuildShapes(view);
  // Triads keep to their three strings: the others are shaded.
  if (!picture.shapes.empty() && picture.shapes.front().triad) {
    picture.strings = 7u << *view.triadStrings;
  }
  return picture;
}

void PaintPicture(QPainter& painter, QSizeF neckSize, const NeckPicture& picture,
                  const QString& title) {
  const double titleHeight = TitleHeight(neckSize);
  painter.fillRect(QRectF(0, 0, neckSize.width(), neckSize.height() + titleHeight), kPaper);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(std::lround(titleHeight * 0.55)));
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kInk);
  painter.drawText(QRectF(titleHeight * 0.4, 0, neckSize.width() - titleHeight * 0.8, titleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, title);
  painter.save();
  painter.translate(0, titleHeight);
  PaintNeck(painter, neckSize, picture);
  painter.restore();
}

bool WritePicture(const QString& path, PictureFormat format, QSizeF neckSize,
                  const NeckPicture& picture, const QString& title, double pngScale,
                  QString* error) {
  const QSizeF size(neckSize.width(), neckSize.height() + TitleHeight(neckSize));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return Fail(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  }
  if (format == PictureFormat::kSvg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Fretlab Practice"));
    QPainter painter(&svg);
    PaintPicture(painter, neckSize, picture, title);
    painter.end();
  } else {
    QImage image((size * pngScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pngScale);
    image.fill(kPaper);
    QPainter painter(&image);
    PaintPicture(painter, neckSize, picture, title);
    painter.end();
    if (!image.save(&file, "PNG")) {
      file.cancelWriting();
      return Fail(error, QStringLiteral("cannot write %1: the PNG could not be encoded").arg(path));
    }
  }
  if (!file.commit()) {
    return Fail(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  }
  return true;
}

int RenderCommand(const std::vector<std::string>& arguments, std::ostream& errors) {
  const auto parsed = ParseRenderArguments(arguments);
  if (const auto* refusal = std::get_if<std::string>(&parsed)) {
    errors << *refusal << '\n';
    return 2;
  }
  const RenderRequest& request = std::get<RenderRequest>(parsed);
  const QSizeF neck = DefaultNeckSize(request.view.tuning.StringCount());
  QString error;
  if (!WritePicture(QString::fromStdString(request.output), request.format, neck,
                    PictureOfView(request.view), QString::fromStdString(request.view.Title()), 2.0,
                    &error)) {
    errors << "fretlab: " << error.toStdString() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace fretlab
