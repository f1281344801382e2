#include "ui/practice/neck_widget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace fretlab {

NeckWidget::NeckWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleDescription(
      tr("Guitar neck. Arrow keys move across strings and frets, Enter or Space sounds the note."));
  announceCursor();
}

void NeckWidget::setPicture(const NeckPicture& picture) {
  const NeckPicture overlays = m_picture;
  const std::optional<Position> hover = m_picture.hover;
  m_picture = picture;
  m_picture.highlights = overlays.highlights;
  m_picture.flashes = overlays.flashes;
  m_picture.heat = overlays.heat;
  m_picture.strings = overlays.strings;
  m_picture.hover = hover;
  m_picture.cursor = hasFocus() ? std::optional<Position>(m_cursor) : std::nullopt;
  dropOverlaysOffTheNeck();
  update();
  announceCursor();
}

void NeckWidget::setMarks(std::vector<NeckMark> marks) {
  m_picture.marks = std::move(marks);
  update();
  announceCursor();
}

void NeckWidget::setMuted(std::vector<StringIndex> strings) {
  m_picture.muted = std::move(strings);
  update();
}

void NeckWidget::setStringsInPlay(std::uint32_t strings) {
  if (strings == m_picture.strings) return;
  m_picture.strings = strings;
  update();
}

void NeckWidget::setHighlight(Position position, const QColor& colour) {
  m_picture.highlights[position] = colour;
  update();
}

void NeckWidget::setHighlights(const std::vector<Position>& positions, const QColor& colour) {
  m_picture.highlights.clear();
  for (const Position& p : positions) m_picture.highlights[p] = colour;
  update();
}

void NeckWidget::clearHighlights() {
  m_picture.highlights.clear();
  update();
}

void NeckWidget::flash(Position position, const QColor& colour, int milliseconds) {
  m_picture.flashes[position] = colour;
  QTimer*& timer = m_flashTimers[position];
  if (timer == nullptr) {
    timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, position] {
      m_picture.flashes.erase(position);
      update();
    });
  }
  timer->start(std::max(0, milliseconds));
  update();
}

void NeckWidget::clearFlashes() {
  for (auto& [pos, timer] : m_flashTimers) timer->stop();
  m_picture.flashes.clear();
  update();
}

void NeckWidget::setHeat(Position position, const QColor& colour) {
  m_picture.heat[position] = colour;
  update();
}

void NeckWidget::clearHeat() {
  m_picture.heat.clear();
  update();
}

void NeckWidget::setCursorPosition(Position position) {
  position.string = std::clamp(position.string, 0, m_picture.tuning.StringCount() - 1);
  position.fret = std::clamp(position.fret, 0, m_picture.tuning.HighestFret());
  m_cursor = position;
  if (hasFocus()) m_picture.cursor = m_cursor;
  update();
  announceCursor();
  emit cursorMoved(m_cursor);
}

void NeckWidget::setDescriber(std::function<QString(Position)> describer) {
  m_describer = std::move(describer);
  announceCursor();
}

QString NeckWidget::cursorText() const {
  return m_describer ? m_describer(m_cursor) : QString();
}

void NeckWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintNeck(painter, QSizeF(size()), m_picture);
}

void NeckWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const auto hit = layout().HitTest(event->position().x(), event->position().y());
  if (!hit) return;
  if (hit->mute) {
    emit muteClicked(hit->position.string);
  } else {
    emit positionClicked(hit->position);
  }
}

void NeckWidget::mouseMoveEvent(QMouseEvent* event) {
  const auto hit = layout().HitTest(event->position().x(), event->position().y());
  std::optional<Position> over;
  if (hit && !hit->mute) over = hit->position;
  if (over != m_picture.hover) {
    m_picture.hover = over;
    update();
    emit hovered(over);
  }
}

void NeckWidget::leaveEvent(QEvent*) {
  if (!m_picture.hover) return;
  m_picture.hover.reset();
  update();
  emit hovered(std::nullopt);
}

void NeckWidget::keyPressEvent(QKeyEvent* event) {
  // Left and Right follow the screen: toward the nut is right when the neck
  // is drawn left-handed.
  const int towardBody = m_picture.leftHanded ? -1 : 1;
  if (event->modifiers() & ~(Qt::KeypadModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Up: moveCursor(-1, 0); break;
    case Qt::Key_Down: moveCursor(1, 0); break;
    case Qt::Key_Left: moveCursor(0, -towardBody); break;
    case Qt::Key_Right: moveCursor(0, towardBody); break;
    case Qt::Key_Home: setCursorPosition({m_cursor.string, m_picture.capo}); break;
    case Qt::Key_End: setCursorPosition({m_cursor.string, m_picture.tuning.HighestFret()}); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit positionActivated(m_cursor); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void NeckWidget::focusInEvent(QFocusEvent* event) {
  m_picture.cursor = m_cursor;
  update();
  QWidget::focusInEvent(event);
}

void NeckWidget::focusOutEvent(QFocusEvent* event) {
  m_picture.cursor.reset();
  update();
  QWidget::focusOutEvent(event);
}

void NeckWidget::moveCursor(int strings, int frets) {
  setCursorPosition({m_cursor.string + strings, m_cursor.fret + frets});
}

void NeckWidget::announceCursor() {
  // The accessible name is what a screen reader reads for the focused neck:
  // the position under the cursor and what it is.
  const QString text = cursorText();
  if (text.isEmpty() || text == accessibleName()) return;
  setAccessibleName(text);
  if (QAccessible::isActive()) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void NeckWidget::dropOverlaysOffTheNeck() {
  const int strings = m_picture.tuning.StringCount();
  const auto off = [strings](const Position& p) { return p.string >= strings; };
  for (PositionColours* layer : {&m_picture.highlights, &m_picture.flashes, &m_picture.heat}) {
    std::erase_if(*layer, [&off](const auto& entry) { return off(entry.first); });
  }
  if (m_picture.hover && off(*m_picture.hover)) m_picture.hover.reset();
  if (m_cursor.string >= strings) setCursorPosition({strings - 1, m_cursor.fret});
}

}  // namespace fretlab
