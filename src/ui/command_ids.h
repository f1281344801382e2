#pragma once
// The numbers of the main window's menu commands and lists, and the codes of
// the lists' notifications, on which the command table matches. A command is
// one number whichever menu entry sends it (Sound > "On" and Tempo > "Fast"
// send the same).

namespace fretlab {

// What reaches the command table: a pointer move or a left press on the
// window's own surface, or a command (a menu command with code 0, or a
// list's notification with the list's id).
enum class Input { MouseMove, LButtonDown, Command };

// Notification codes of the always-open lists.
inline constexpr int CBN_SELCHANGE = 1;
inline constexpr int CBN_DBLCLK = 2;
inline constexpr int CBN_EDITCHANGE = 5;
inline constexpr int CBN_SELENDOK = 9;

// Controls.
inline constexpr int IDC_SCALE_LIST = 1001;
inline constexpr int IDC_ROOT_LIST = 1012;
inline constexpr int IDC_ARPEGGIO_LIST = 1014;
inline constexpr int IDC_CHORD_LIST = 1015;
inline constexpr int IDC_FROM_FRET_LIST = 1023;
inline constexpr int IDC_TO_FRET_LIST = 1025;

// Menu commands.
inline constexpr int ID_FILE_EMPTY = 134;  // the File menu's last entry, empty text, no handler
inline constexpr int ID_TEMPO_FAST = 32771;
inline constexpr int ID_TEMPO_SLOW = 32772;
inline constexpr int ID_SOUND_OFF = 32773;
inline constexpr int ID_POSITION_AUTO_ROOT = 32774;
inline constexpr int ID_POSITION_SHOW_ALL = 32775;
inline constexpr int ID_ACTION_COPY = 32777;
inline constexpr int ID_ACTION_REMOVE = 32778;
inline constexpr int ID_ACTION_CLEAR = 32779;
inline constexpr int ID_PLAY_CHORD = 32782;
inline constexpr int ID_PLAY_ALL = 32783;
inline constexpr int ID_ADD_WHOLE = 32786;
inline constexpr int ID_ADD_HALF = 32787;
inline constexpr int ID_ADD_QUARTER = 32788;
inline constexpr int ID_ADD_EIGHTH = 32789;
inline constexpr int ID_ADD_SIXTEENTH = 32790;
inline constexpr int ID_ADD_DOTTED_HALF = 32791;
inline constexpr int ID_ADD_DOTTED_QUARTER = 32792;
inline constexpr int ID_ADD_DOTTED_EIGHTH = 32793;
inline constexpr int ID_SAVE_AS = 32794;
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP = 57670;

}  // namespace fretlab
