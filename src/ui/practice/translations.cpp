#include "ui/practice/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace fretlab {

Translations::Translations(const QLocale& locale, Scope scope) {
  m_fretlabLoaded = m_fretlab.load(locale, QStringLiteral("fretlab"), QStringLiteral("_"),
                                   QStringLiteral(":/i18n"));
  if (m_fretlabLoaded) QCoreApplication::installTranslator(&m_fretlab);
  // Qt's texts only where Fretlab speaks the language too, so that a
  // window is never half in one language.
  if (scope == Scope::kPracticeWindow && m_fretlabLoaded) {
    m_qtLoaded = m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded) QCoreApplication::installTranslator(&m_qt);
  }
}

Translations::~Translations() {
  if (m_qtLoaded) QCoreApplication::removeTranslator(&m_qt);
  if (m_fretlabLoaded) QCoreApplication::removeTranslator(&m_fretlab);
}

}  // namespace fretlab
