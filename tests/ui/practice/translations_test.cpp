// The Practice window and the command line in the user's language, Qt's
// own dialogs with the Practice window only, and the main window in English
// whatever the language: its standard buttons too.

#include "ui/practice/translations.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "ui/main_menu.h"
#include "ui/practice/practice_fixture.h"

namespace fretlab::testing {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

QStringList MenuTitles(const QMenuBar& bar) {
  QStringList titles;
  for (const QAction* menu : bar.actions()) titles << menu->text();
  return titles;
}

// The texts of the standard buttons the main window's questions use.
QStringList StandardButtonTexts() {
  QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Save |
                       QDialogButtonBox::Discard | QDialogButtonBox::Cancel | QDialogButtonBox::Ok);
  QStringList texts;
  for (QAbstractButton* button : box.buttons()) texts << button->text();
  return texts;
}

TEST_F(PracticeTest, PracticeWindowSpeaksGermanWithQtsDialogsOnlyWhileItRuns) {
  const QStringList english = StandardButtonTexts();
  ASSERT_TRUE(english.contains(QStringLiteral("&Cancel")) || english.contains(QStringLiteral("Cancel")));
  {
    const Translations translations(kGerman, Translations::Scope::kPracticeWindow);
    ASSERT_TRUE(translations.fretlabLoaded());
    EXPECT_TRUE(translations.qtLoaded()) << "qt6-translations-l10n brings qtbase_de.qm";
    Reopen();
    EXPECT_EQ(MenuTitles(*window->menuBar()),
              (QStringList{"&Datei", "&Auswahl", "&Klang", "&Hilfe"}));
    EXPECT_EQ(window->modeArea()->tabText(2), QStringLiteral("&Übungen"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fretlab Practice"));
    const QStringList german = StandardButtonTexts();
    EXPECT_NE(german, english);
    EXPECT_TRUE(german.join(' ').contains(QStringLiteral("Abbrechen"))) << german.join(' ').toStdString();
  }
  EXPECT_EQ(StandardButtonTexts(), english) << "Qt's translation is gone with the window";
  Reopen();
  EXPECT_EQ(MenuTitles(*window->menuBar()),
            (QStringList{"&File", "&Choose", "&Sound", "&Help"}));
}

TEST(TranslationsTest, MainWindowKeepsItsEnglishTextsAndButtonsUnderGerman) {
  QMenuBar before;
  BuildMainMenu(before, [](int) {});
  const QStringList english = StandardButtonTexts();
  // As the program starts: the command line's messages in German, which is
  // all a German user's main window runs under.
  const Translations translations(kGerman, Translations::Scope::kCommandLine);
  ASSERT_TRUE(translations.fretlabLoaded());
  EXPECT_FALSE(translations.qtLoaded());
  EXPECT_EQ(QCoreApplication::translate("CommandLine", "fretlab: only one sequence file can be opened"),
            QStringLiteral("fretlab: es kann nur eine Sequenzdatei geöffnet werden"));
  QMenuBar after;
  BuildMainMenu(after, [](int) {});
  EXPECT_EQ(MenuTitles(after), (QStringList{"File", "Tempo", "Sound", "Position", "Action"}));
  for (int i = 0; i < after.actions().size(); ++i) {
    const QList<QAction*> entries = after.actions()[i]->menu()->actions();
    const QList<QAction*> was = before.actions()[i]->menu()->actions();
    ASSERT_EQ(entries.size(), was.size());
    for (int j = 0; j < entries.size(); ++j) EXPECT_EQ(entries[j]->text(), was[j]->text());
  }
  EXPECT_EQ(StandardButtonTexts(), english);
}

TEST(TranslationsTest, EnglishAndTheCLocaleLoadNothing) {
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
    const Translations translations(locale, Translations::Scope::kPracticeWindow);
    EXPECT_FALSE(translations.fretlabLoaded()) << locale.name().toStdString();
    EXPECT_FALSE(translations.qtLoaded()) << locale.name().toStdString();
  }
}

}  // namespace
}  // namespace fretlab::testing
