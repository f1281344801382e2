#include "ui/client_area.h"

#include <QMouseEvent>

#include "ui/dialog_units.h"

namespace fretlab {

namespace {
// 425 x 261 dialog units.
constexpr QSize kClientSize{DialogUnitsToPixelsX(425), DialogUnitsToPixelsY(261)};
}  // namespace

CClientArea::CClientArea(QWidget* parent) : QWidget(parent) {
  setFixedSize(kClientSize);
  setMouseTracking(true);  // moves are reported with no button held
}

void CClientArea::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMoved(event->position().toPoint());
}

void CClientArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit LeftButtonPressed(event->position().toPoint());
}

// The second press of a double-click is not a press of its own: one pick
// per double-click.
void CClientArea::mouseDoubleClickEvent(QMouseEvent*) {}

}  // namespace fretlab
