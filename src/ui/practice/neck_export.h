#pragma once
// File > Export Picture…: the neck as the window shows it (without the
// playing rings, flashes, hover and cursor), as SVG or PNG, with the
// view's title above it.

#include <QString>

class QWidget;

namespace fretlab {

class NeckWidget;

// Writes the picture to `path` (.svg or .png by its name); false with a
// sentence in `error`.
bool ExportNeckPicture(const NeckWidget& neck, const QString& title, const QString& path,
                       QString* error);

// Asks for a file name (the title as the suggestion), writes the picture
// and says so when it could not be written.
void AskAndExportNeckPicture(QWidget* parent, const NeckWidget& neck, const QString& title);

}  // namespace fretlab
