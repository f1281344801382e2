#include "ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "ui/command_ids.h"

namespace fretlab {

namespace {

struct MenuEntry {
  const char* text;
  int id;
};

constexpr std::array<MenuEntry, 5> kFileMenu = {{
    {"Close", ID_APP_EXIT},
    {"New", ID_FILE_NEW},
    {"Open", ID_FILE_OPEN},
    {"Save As", ID_SAVE_AS},
    {"", ID_FILE_EMPTY},
}};
constexpr std::array<MenuEntry, 2> kTempoMenu = {{{"Fast", ID_TEMPO_FAST}, {"Slow", ID_TEMPO_SLOW}}};
// "On" sends the fast tempo's command (length 5, not the start value 15):
// long-standing behaviour of this window, kept as its users know it.
constexpr std::array<MenuEntry, 2> kSoundMenu = {{{"On", ID_TEMPO_FAST}, {"Off", ID_SOUND_OFF}}};
constexpr std::array<MenuEntry, 2> kPositionMenu = {
    {{"Auto Root ", ID_POSITION_AUTO_ROOT}, {"Show all notes", ID_POSITION_SHOW_ALL}}};
constexpr std::array<MenuEntry, 2> kPlayMenu = {{{"Chord", ID_PLAY_CHORD}, {"Play All", ID_PLAY_ALL}}};
// Two groups, the dotted values with the sixteenth after a separator.
constexpr std::array<MenuEntry, 4> kAddChordFirstGroup = {{
    {"whole note", ID_ADD_WHOLE},
    {"half note", ID_ADD_HALF},
    {"quarter note", ID_ADD_QUARTER},
    {"1/8 note", ID_ADD_EIGHTH},
}};
constexpr std::array<MenuEntry, 4> kAddChordSecondGroup = {{
    {"1/16 note", ID_ADD_SIXTEENTH},
    {"dotted half", ID_ADD_DOTTED_HALF},
    {"dotted quarter", ID_ADD_DOTTED_QUARTER},
    {"dotted 1/8", ID_ADD_DOTTED_EIGHTH},
}};
constexpr std::array<MenuEntry, 3> kActionTail = {
    {{"Copy", ID_ACTION_COPY}, {"Remove", ID_ACTION_REMOVE}, {"Clear", ID_ACTION_CLEAR}}};

}  // namespace

void BuildMainMenu(QMenuBar& menuBar, const std::function<void(int id)>& onCommand) {
  auto addEntries = [&menuBar, &onCommand](QMenu* menu, auto const& entries) {
    for (const MenuEntry& entry : entries) {
      QAction* action = menu->addAction(QString::fromUtf8(entry.text));
      action->setData(entry.id);
      action->setMenuRole(QAction::NoRole);
      const int id = entry.id;
      QObject::connect(action, &QAction::triggered, &menuBar, [onCommand, id] { onCommand(id); });
    }
  };
  addEntries(menuBar.addMenu(QStringLiteral("File")), kFileMenu);
  addEntries(menuBar.addMenu(QStringLiteral("Tempo")), kTempoMenu);
  addEntries(menuBar.addMenu(QStringLiteral("Sound")), kSoundMenu);
  addEntries(menuBar.addMenu(QStringLiteral("Position")), kPositionMenu);
  QMenu* action = menuBar.addMenu(QStringLiteral("Action"));
  addEntries(action->addMenu(QStringLiteral("Play")), kPlayMenu);
  QMenu* addChord = action->addMenu(QStringLiteral("Add Chord"));
  addEntries(addChord, kAddChordFirstGroup);
  addChord->addSeparator();
  addEntries(addChord, kAddChordSecondGroup);
  addEntries(action, kActionTail);
}

}  // namespace fretlab
