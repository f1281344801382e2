#pragma once
// Pictures of the neck: SVG (vector, its labels as text) or PNG (twice the
// resolution), with a title line above the neck such as "A Dorian — DADGAD".
// The window's File > Export Picture… and `fretlab --render` both use it.

#include <QSizeF>
#include <QString>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "practice/render_options.h"
#include "ui/practice/neck_picture.h"

class QPainter;

namespace fretlab {

// The neck's size in a picture made without a window, in logical pixels.
QSizeF DefaultNeckSize(int stringCount);
// The height of the title line above a neck of this size.
double TitleHeight(QSizeF neckSize);
// The view's neck as the window draws it, without cursor or hover.
NeckPicture PictureOfView(const PracticeView& view);

// The title line and the neck below it, in the painter's logical units.
void PaintPicture(QPainter& painter, QSizeF neckSize, const NeckPicture& picture,
                  const QString& title);

// Writes the picture to `path` (the system's bytes; SVG or PNG by its
// extension) whole or not at all, as sequence/output_file.h writes: a
// pipe, device, folder or read-only file there is refused, a full disk
// reported, and an old file stays as it was. `pngScale` is the number of
// image pixels per logical pixel (2 = twice the resolution). Returns false
// with a sentence in `error`.
bool WritePicture(const std::filesystem::path& path, QSizeF neckSize, const NeckPicture& picture,
                  const QString& title, double pngScale, QString* error);

// `fretlab --render ...`: needs a QGuiApplication. Prints nothing on
// success; returns 0, 2 for a bad option (one line on `errors`), or 1 when
// the file cannot be written or is refused (one line).
int RenderCommand(const std::vector<std::string>& arguments, std::ostream& errors);

}  // namespace fretlab
