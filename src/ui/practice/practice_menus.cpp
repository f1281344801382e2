#include "ui/practice/practice_menus.h"

#include <QCoreApplication>
#include <QMenuBar>

#include "ui/practice/practice_controls.h"

namespace fretlab {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("PracticeWindow", text); }

}  // namespace

PracticeMenuActions BuildPracticeMenus(QMenuBar* bar, QObject* context, PracticeControls* controls,
                                       const PracticeMenuCalls& calls) {
  PracticeMenuActions actions;
  QMenu* file = bar->addMenu(Tr("&File"));
  actions.exportPicture = file->addAction(Tr("&Export Picture\u2026"), context, calls.exportPicture);
  actions.exportPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  file->addSeparator();
  QAction* close = file->addAction(Tr("&Close"), context, calls.close);
  close->setShortcut(QKeySequence::Close);

  QMenu* choose = bar->addMenu(Tr("&Choose"));
  choose->addAction(Tr("Root &Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), context,
                    [controls] { controls->stepRoot(1); });
  choose->addAction(Tr("Root &Down"), QKeySequence(Qt::CTRL | Qt::Key_Down), context,
                    [controls] { controls->stepRoot(-1); });
  choose->addAction(Tr("&Next Scale or Chord"), QKeySequence(Qt::CTRL | Qt::Key_Right), context,
                    [controls] { controls->stepEntry(1); });
  choose->addAction(Tr("&Previous Scale or Chord"), QKeySequence(Qt::CTRL | Qt::Key_Left), context,
                    [controls] { controls->stepEntry(-1); });
  choose->addAction(Tr("Next P&osition"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right), context,
                    [controls] { controls->stepPosition(1); });
  choose->addAction(Tr("Previous Po&sition"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left), context,
                    [controls] { controls->stepPosition(-1); });
  choose->addAction(Tr("Next &Labels"), QKeySequence(Qt::CTRL | Qt::Key_L), context,
                    [controls] { controls->nextLabels(); });
  actions.leftHanded = choose->addAction(Tr("L&eft-Handed"), QKeySequence(Qt::CTRL | Qt::Key_H), context,
                                         [controls](bool on) { controls->setLeftHanded(on); });
  actions.leftHanded->setCheckable(true);

  QMenu* sound = bar->addMenu(Tr("&Sound"));
  sound->addAction(Tr("&Play"), QKeySequence(Qt::CTRL | Qt::Key_P), context, calls.play);
  sound->addAction(Tr("&Strum"), QKeySequence(Qt::CTRL | Qt::Key_T), context, calls.strum);
  sound->addAction(Tr("S&top"), QKeySequence(Qt::Key_Escape), context, calls.stop);
  sound->addSeparator();
  actions.listen = sound->addAction(Tr("&Listen to my guitar"));
  actions.listen->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  actions.listen->setCheckable(true);
  return actions;
}

}  // namespace fretlab
