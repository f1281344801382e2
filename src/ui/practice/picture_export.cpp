#include "ui/practice/picture_export.h"

#include <QFont>
#include <QImage>
#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <ostream>

#include "sequence/output_file.h"

namespace fretlab {

namespace {

const QColor kPaper(Qt::white);
const QColor kInk(0x22, 0x22, 0x22);

bool Fail(QString* error, const std::string& text) {
  if (error) *error = QString::fromStdString(text);
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

bool WritePicture(const std::filesystem::path& path, QSizeF neckSize, const NeckPicture& picture,
                  const QString& title, double pngScale, QString* error) {
  constexpr std::string_view kVerb = "Cannot write the picture";
  const std::optional<PictureFormat> format = PictureFormatOf(path.string());
  if (!format) return Fail(error, OutputMessage(kVerb, path, "its name must end in .svg or .png"));
  const QSizeF size(neckSize.width(), neckSize.height() + TitleHeight(neckSize));
  // Drawn into memory first: the SVG generator and the PNG writer do not
  // all report a write cut short, the checked writer does.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (*format == PictureFormat::kSvg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
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
    if (!image.save(&buffer, "PNG")) {
      return Fail(error, OutputMessage(kVerb, path, "the PNG could not be encoded; try SVG"));
    }
  }
  const FileOutcome written = WriteOutputFile(
      path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size())),
      kVerb);
  return written || Fail(error, written.message);
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
  // The name as the system's bytes, as given.
  if (!WritePicture(std::filesystem::path(request.output), neck,
                    PictureOfView(request.view), QString::fromStdString(request.view.Title()), 2.0,
                    &error)) {
    errors << "fretlab: " << error.toStdString() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace fretlab
