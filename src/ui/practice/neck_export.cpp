#include "ui/practice/neck_export.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/file_names.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/picture_export.h"

namespace fretlab {

namespace {

// The texts' translation context, as lupdate finds it.
struct NeckExport {
  Q_DECLARE_TR_FUNCTIONS(NeckExport)
};

}  // namespace

bool ExportNeckPicture(const NeckWidget& neck, const QString& title, const QString& path,
                       QString* error) {
  NeckPicture picture = neck.picture();
  picture.highlights.clear();
  picture.flashes.clear();
  picture.hover.reset();
  picture.cursor.reset();
  // The name as the system's bytes, as the main window keeps its files'.
  return WritePicture(NativeFileName(path), QSizeF(neck.size()), picture, title,
                      2.0 * neck.devicePixelRatioF(), error);
}

void AskAndExportNeckPicture(QWidget* parent, const NeckWidget& neck, const QString& title) {
  QString filter = NeckExport::tr("SVG picture (*.svg)");
  QString path = QFileDialog::getSaveFileName(parent, NeckExport::tr("Export Picture"),
                                              QString(title).remove(QChar(0x2014)),
                                              NeckExport::tr("SVG picture (*.svg);;PNG picture (*.png)"), &filter);
  if (path.isEmpty()) return;
  if (!PictureFormatOf(path.toStdString())) {
    path += filter.contains(QLatin1String("png")) ? QStringLiteral(".png") : QStringLiteral(".svg");
  }
  QString error;
  if (!ExportNeckPicture(neck, title, path, &error)) {
    QMessageBox::warning(parent, NeckExport::tr("Export Picture"), error);
  }
}

}  // namespace fretlab
