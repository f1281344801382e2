#pragma once
// The Practice window's neck: a vector drawing that fills the widget at any
// size and device pixel ratio, mirrored for left-handed players, with a
// keyboard cursor and an accessible text for it.
//
// For the window's modes (exploring, the chord lab, drills):
//   setPicture()/picture()       what is drawn (NeckPicture: tuning, capo, marks, ...)
//   setMarks(), setMuted()       the marks and the muted strings
//   setHighlight(pos, colour)    a ring around a position (the notes playing)
//   flash(pos, colour, ms)       a disc over a position for a moment (an answer)
//   setHeat(pos, colour)         a colour behind a position's cell (a heatmap)
//   clear...()                   each layer on its own
//   setCursorPosition()          the keyboard cursor
//   setDescriber(fn)             the accessible text of a position
// Signals: positionClicked (a left click on a position), muteClicked (on the
// column beside the open strings), positionActivated (Enter or Space on the
// cursor), hovered (the pointer over a position, or nothing), cursorMoved.

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

#include "ui/practice/neck_picture.h"

namespace fretlab {

class NeckWidget : public QWidget {
  Q_OBJECT

 public:
  explicit NeckWidget(QWidget* parent = nullptr);

  const NeckPicture& picture() const { return m_picture; }
  // Keeps the overlays (highlights, flashes, heat, cursor) that still fit
  // the new tuning.
  void setPicture(const NeckPicture& picture);
  void setMarks(std::vector<NeckMark> marks);
  void setMuted(std::vector<StringIndex> strings);
  // Bit s set: string s is in play; the others are shaded.
  void setStringsInPlay(std::uint32_t strings);

  void setHighlight(Position position, const QColor& colour);
  void setHighlights(const std::vector<Position>& positions, const QColor& colour);
  void clearHighlights();
  void flash(Position position, const QColor& colour, int milliseconds);
  void clearFlashes();
  void setHeat(Position position, const QColor& colour);
  void clearHeat();

  Position cursorPosition() const { return m_cursor; }
  void setCursorPosition(Position position);
  void setDescriber(std::function<QString(Position)> describer);
  QString cursorText() const;

  NeckLayout layout() const { return m_picture.Layout(QSizeF(size())); }
  QSize sizeHint() const override { return {1000, 300}; }
  QSize minimumSizeHint() const override { return {320, 110}; }

 signals:
  void positionClicked(fretlab::Position position);
  void muteClicked(int string);
  void positionActivated(fretlab::Position position);
  void hovered(std::optional<fretlab::Position> position);
  void cursorMoved(fretlab::Position position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void moveCursor(int strings, int frets);
  void announceCursor();
  void dropOverlaysOffTheNeck();

  NeckPicture m_picture;
  Position m_cursor{0, 0};
  std::function<QString(Position)> m_describer;
  std::map<Position, QTimer*, PositionLess> m_flashTimers;
};

}  // namespace fretlab
