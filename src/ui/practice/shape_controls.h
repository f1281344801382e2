#pragma once
// Two controls of the Show group: the Position shown (All, the CAGED shapes,
// three notes per string 1–7, boxes 1–5) and the Triads on a set of three
// strings. Positions a scale or tuning does not have are offered but
// disabled, their tooltip saying why; a choice that no longer applies (a
// CAGED shape after a change to Drop D) says why below the controls, and
// the neck shows the whole scale meanwhile.

#include <QObject>
#include <optional>

#include "practice/practice_view.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QWidget;

namespace fretlab {

class ShapeControls : public QObject {
  Q_OBJECT

 public:
  // Adds its rows to `form`, on `parent`.
  ShapeControls(QFormLayout* form, QWidget* parent);

  // Shows what `view` chooses, and what the view's scale and neck allow.
  void show(const PracticeView& view);

  QComboBox* positionBox() const { return m_position; }
  QComboBox* triadsBox() const { return m_triads; }
  QLabel* whyLabel() const { return m_why; }

  // The position of row `row` of the position box (0: none, All).
  static std::optional<PositionChoice> PositionOfRow(int row);
  static int RowOfPosition(const std::optional<PositionChoice>& position);

 signals:
  void positionChosen(std::optional<fretlab::PositionChoice> position);
  void triadsChosen(std::optional<fretlab::StringIndex> top);

 private:
  void enableRows(const PracticeView& view);

  QComboBox* m_position = nullptr;
  QComboBox* m_triads = nullptr;
  QLabel* m_why = nullptr;
  bool m_showing = false;
};

}  // namespace fretlab
