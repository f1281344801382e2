#pragma once
// The window's own surface under the menu bar, 638 x 424 pixels. Every
// control sits on it at its client pixel rectangle; the presses and moves
// that no control takes (the picture and the labels let them through) arrive
// here and are reported in client pixels.

#include <QPoint>
#include <QWidget>

namespace fretlab {

class CClientArea : public QWidget {
  Q_OBJECT

 public:
  explicit CClientArea(QWidget* parent = nullptr);

 signals:
  void MouseMoved(QPoint client);
  void LeftButtonPressed(QPoint client);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace fretlab
