#include "ui/practice/practice_menus.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenuBar>

#include "ui/practice/practice_controls.h"

namespace fretlab {

namespace {

// The texts' translation context, as lupdate finds it.
struct PracticeMenus {
  Q_DECLARE_TR_FUNCTIONS(PracticeMenus)
};

}  // namespace

PracticeMenuActions BuildPracticeMenus(QMenuBar* bar, QObject* context, PracticeControls* controls,
                                       const PracticeMenuCalls& calls) {
  PracticeMenuActions actions;
  QMenu* file = bar->addMenu(PracticeMenus::tr("&File"));
  actions.exportPicture = file->addAction(PracticeMenus::tr("&Export Picture\u2026"), context, calls.exportPicture);
  actions.exportPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  file->addSeparator();
  QAction* close = file->addAction(PracticeMenus::tr("&Close"), context, calls.close);
  close->setShortcut(QKeySequence::Close);

  QMenu* choose = bar->addMenu(PracticeMenus::tr("&Choose"));
  choose->addAction(PracticeMenus::tr("Root &Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), context,
                    [controls] { controls->stepRoot(1); });
  choose->addAction(PracticeMenus::tr("Root &Down"), QKeySequence(Qt::CTRL | Qt::Key_Down), context,
                    [controls] { controls->stepRoot(-1); });
  choose->addAction(PracticeMenus::tr("&Next Scale or Chord"), QKeySequence(Qt::CTRL | Qt::Key_Right), context,
                    [controls] { controls->stepEntry(1); });
  choose->addAction(PracticeMenus::tr("&Previous Scale or Chord"), QKeySequence(Qt::CTRL | Qt::Key_Left), context,
                    [controls] { controls->stepEntry(-1); });
  choose->addAction(PracticeMenus::tr("Next P&osition"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right), context,
                    [controls] { controls->stepPosition(1); });
  choose->addAction(PracticeMenus::tr("Previous Po&sition"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left), context,
                    [controls] { controls->stepPosition(-1); });
  choose->addAction(PracticeMenus::tr("Next &Labels"), QKeySequence(Qt::CTRL | Qt::Key_L), context,
                    [controls] { controls->nextLabels(); });
  actions.leftHanded = choose->addAction(PracticeMenus::tr("L&eft-Handed"), QKeySequence(Qt::CTRL | Qt::Key_H), context,
                                         [controls](bool on) { controls->setLeftHanded(on); });
  actions.leftHanded->setCheckable(true);

  QMenu* sound = bar->addMenu(PracticeMenus::tr("&Sound"));
  sound->addAction(PracticeMenus::tr("&Play"), QKeySequence(Qt::CTRL | Qt::Key_P), context, calls.play);
  sound->addAction(PracticeMenus::tr("&Strum"), QKeySequence(Qt::CTRL | Qt::Key_T), context, calls.strum);
  sound->addAction(PracticeMenus::tr("S&top"), QKeySequence(Qt::Key_Escape), context, calls.stop);
  sound->addSeparator();
  actions.listen = sound->addAction(PracticeMenus::tr("&Listen to my guitar"));
  actions.listen->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  actions.listen->setCheckable(true);

  QMenu* help = bar->addMenu(PracticeMenus::tr("&Help"));
  help->addAction(PracticeMenus::tr("&About Fretlab"), context, calls.about);
  help->addAction(PracticeMenus::tr("About &Qt"), context, [] { QApplication::aboutQt(); });
  return actions;
}

}  // namespace fretlab
