#include "ui/practice/about_box.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QtGlobal>

#include "practice/history/sqlite_version.h"
#include "sound/backends/library_versions.h"

namespace fretlab {

namespace {

// The texts' translation context, as lupdate finds it.
struct AboutBox {
  Q_DECLARE_TR_FUNCTIONS(AboutBox)
};

QString Line(const QString& label, const QString& value) {
  return QStringLiteral("%1: %2<br>").arg(label, value.toHtmlEscaped());
}

QString OrUnknown(const QString& version) { return version.isEmpty() ? AboutBox::tr("not found") : version; }

}  // namespace

QString AboutText(const AboutFacts& facts) {
  QString text = QStringLiteral("<h3>Fretlab %1</h3>").arg(QCoreApplication::applicationVersion());
  text += QStringLiteral("<p>%1</p>").arg(
      AboutBox::tr("Learn the guitar neck: scales, arpeggios and chords marked and sounded."));
  text += QStringLiteral("<p>%1</p>").arg(
      AboutBox::tr("Free software under the GNU General Public License, version 3 or any later version "
         "(GPL-3.0-or-later), with no warranty."));
  text += QStringLiteral("<p>");
  text += Line(QStringLiteral("Qt"), QString::fromLatin1(qVersion()));
  text += Line(QStringLiteral("FluidSynth"), QString::fromStdString(FluidSynthVersion()));
  text += Line(QStringLiteral("RtMidi"), QString::fromStdString(RtMidiVersion()));
  text += Line(QStringLiteral("SQLite"), OrUnknown(practice::SqliteVersion()));
  text += QStringLiteral("</p><p>");
  text += Line(AboutBox::tr("Soundfont"), facts.soundfont.isEmpty() ? AboutBox::tr("none (the sound goes elsewhere or is off)")
                                                          : facts.soundfont);
  text += AboutBox::tr("The soundfont is the system's own file, under its own package's licence.");
  text += QStringLiteral("</p><p>");
  text += Line(AboutBox::tr("Settings"), facts.settings);
  text += Line(AboutBox::tr("Practice history"), facts.history);
  text += QStringLiteral("</p>");
  return text;
}

void ShowAboutBox(QWidget* parent, const AboutFacts& facts) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, AboutBox::tr("About Fretlab"), AboutText(facts),
                              QMessageBox::Ok, parent);
  box->setObjectName(QStringLiteral("aboutFretlab"));
  box->setTextFormat(Qt::RichText);
  box->setIconPixmap(QIcon(QStringLiteral(":/icons/fretlab.png")).pixmap(64, 64));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace fretlab
