#pragma once
// "My scales": the user's own scales, each named and typed as degrees
// ("1 b2 3 4 5 b6 b7") or as notes with the root first ("E F G# A B C D").
// A name already in the list replaces that scale; a scale that cannot be
// read says why in one line and is not added.

#include <QDialog>
#include <memory>
#include <vector>

#include "theory/user_scale.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace fretlab {

class UserScaleDialog : public QDialog {
  Q_OBJECT

 public:
  UserScaleDialog(std::vector<std::shared_ptr<const UserScale>> scales, QWidget* parent = nullptr);

  const std::vector<std::shared_ptr<const UserScale>>& scales() const { return m_scales; }

  QLineEdit* nameField() const { return m_name; }
  QLineEdit* notesField() const { return m_notes; }
  QPushButton* addButton() const { return m_add; }
  QPushButton* removeButton() const { return m_remove; }
  QListWidget* list() const { return m_list; }
  QLabel* errorLabel() const { return m_error; }

 private:
  void add();
  void remove();
  void fillList();

  std::vector<std::shared_ptr<const UserScale>> m_scales;
  QListWidget* m_list = nullptr;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_notes = nullptr;
  QPushButton* m_add = nullptr;
  QPushButton* m_remove = nullptr;
  QLabel* m_error = nullptr;
};

}  // namespace fretlab
