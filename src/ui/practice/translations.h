#pragma once
// Fretlab's own translations (translations/fretlab_LANG.ts, built into the
// resources under :/i18n) for the Practice window and the command line, and,
// for the Practice window only, Qt's own (qtbase_LANG.qm: the standard
// buttons and file dialogs). Installed while an object of this class lives,
// removed again when it goes, so that the main window, which keeps its
// English texts in every language, never runs under them.

#include <QLocale>
#include <QTranslator>

namespace fretlab {

class Translations {
 public:
  enum class Scope {
    kCommandLine,     // Fretlab's texts only
    kPracticeWindow,  // Fretlab's and Qt's own
  };
  Translations(const QLocale& locale, Scope scope);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // True when Fretlab has a translation for the locale (false for English).
  bool fretlabLoaded() const { return m_fretlabLoaded; }
  bool qtLoaded() const { return m_qtLoaded; }

 private:
  QTranslator m_fretlab;
  QTranslator m_qt;
  bool m_fretlabLoaded = false;
  bool m_qtLoaded = false;
};

}  // namespace fretlab
