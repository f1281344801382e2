#include "ui/practice/user_scale_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace fretlab {

UserScaleDialog::UserScaleDialog(std::vector<std::shared_ptr<const UserScale>> scales, QWidget* parent)
    : QDialog(parent), m_scales(std::move(scales)) {
  setWindowTitle(tr("My Scales"));
  auto* layout = new QVBoxLayout(this);
  m_list = new QListWidget(this);
  m_list->setAccessibleName(tr("My scales"));
  layout->addWidget(m_list);
  auto* form = new QFormLayout;
  m_name = new QLineEdit(this);
  m_name->setAccessibleName(tr("Name of the scale"));
  form->addRow(tr("&Name:"), m_name);
  m_notes = new QLineEdit(this);
  m_notes->setAccessibleName(tr("Degrees, or notes with the root first"));
  m_notes->setPlaceholderText(tr("1 2 b3 4 5 b6 7, or A B C D E F G#"));
  form->addRow(tr("N&otes:"), m_notes);
  layout->addLayout(form);
  m_error = new QLabel(this);
  m_error->setWordWrap(true);
  m_error->setStyleSheet(QStringLiteral("color: #a00000"));
  m_error->hide();
  layout->addWidget(m_error);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_add = buttons->addButton(tr("&Add or Replace"), QDialogButtonBox::ActionRole);
  m_remove = buttons->addButton(tr("&Remove"), QDialogButtonBox::ActionRole);
  layout->addWidget(buttons);
  connect(m_add, &QPushButton::clicked, this, &UserScaleDialog::add);
  connect(m_remove, &QPushButton::clicked, this, &UserScaleDialog::remove);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0 || row >= static_cast<int>(m_scales.size())) return;
    m_name->setText(QString::fromStdString(m_scales[row]->Name()));
    m_notes->setText(QString::fromStdString(m_scales[row]->DegreesText()));
  });
  fillList();
}

void UserScaleDialog::fillList() {
  m_list->clear();
  for (const auto& scale : m_scales) {
    m_list->addItem(QStringLiteral("%1 \u2014 %2").arg(QString::fromStdString(scale->Name()),
                                                      QString::fromStdString(scale->DegreesText())));
  }
  m_remove->setEnabled(!m_scales.empty());
}

void UserScaleDialog::add() {
  std::string why;
  auto scale = ParseUserScale(m_name->text().toStdString(), m_notes->text().toStdString(), &why);
  if (!scale) {
    m_error->setText(tr("Not added: %1.").arg(QString::fromStdString(why)));
    m_error->setAccessibleDescription(m_error->text());
    m_error->show();
    return;
  }
  m_error->hide();
  const auto same = std::find_if(m_scales.begin(), m_scales.end(),
                                 [&](const auto& s) { return s->Name() == scale->Name(); });
  if (same != m_scales.end()) {
    *same = std::move(scale);
  } else {
    m_scales.push_back(std::move(scale));
  }
  fillList();
}

void UserScaleDialog::remove() {
  const int row = m_list->currentRow();
  if (row < 0 || row >= static_cast<int>(m_scales.size())) return;
  m_scales.erase(m_scales.begin() + row);
  fillList();
}

}  // namespace fretlab
