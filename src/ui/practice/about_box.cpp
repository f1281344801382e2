#include "ui/practice/about_box.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QtGlobal>

#include "practice/history/sqlite_version.h"
#include "sound/backends/library_versions.h"

namespace fretlab {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("AboutBox", text); }

QString Line(const QString& label, const QString& value) {
  return QStringLiteral("%1: %2<br>").arg(label, value.toHtmlEscaped());
}

QString OrUnknown(const QString& version) { return version.isEmpty() ? Tr("not found") : version; }

}  // namespace

QString AboutText(const AboutFacts& facts) {
  QString text = QStringLiteral("<h3>Fretlab %1</h3>").arg(QCoreApplication::applicationVersion());
  text += QStringLiteral("<p>%1</p>").arg(
      Tr("Learn the guitar neck: scales, arpeggios and chords marked and sounded."));
  text += QStringLiteral("<p>%1</p>").arg(
      Tr("Free software under the GNU General Public License, version 3 or any later version "
         "(GPL-3.0-or-later), with no warranty."));
  text += QStringLiteral("<p>");
  text += Line(QStringLiteral("Qt"), QString::fromLatin1(qVersion()));
  text += Line(QStringLiteral("FluidSynth"), QString::fromStdString(FluidSynthVersion()));
  text += Line(QStringLiteral("RtMidi"), QString::fromStdString(RtMidiVersion()));
  text += Line(QStringLiteral("SQLite"), OrUnknown(practice::SqliteVersion()));
  text += QStringLiteral("</p><p>");
  text += Line(Tr("Soundfont"), facts.soundfont.isEmpty() ? Tr("none (the sound goes elsewhere or is off)")
                                                          : facts.soundfont);
  text += Tr("The soundfont is the system's own file, under its own package's licence.");
  text += QStringLiteral("</p><p>");
  text += Line(Tr("Settings"), facts.settings);
  text += Line(Tr("Practice history"), facts.history);
  text += QStringLiteral("</p>");
  return text;
}

void ShowAboutBox(QWidget* parent, const AboutFacts& facts) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, Tr("About Fretlab"), AboutText(facts),
                              QMessageBox::Ok, parent);
  box->setObjectName(QStringLiteral("aboutFretlab"));
  box->setTextFormat(Qt::RichText);
  box->setIconPixmap(QIcon(QStringLiteral(":/icons/fretlab.png")).pixmap(64, 64));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace fretlab
