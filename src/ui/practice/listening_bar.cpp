#include "ui/practice/listening_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "ui/practice/practice_listening.h"
#include "ui/practice/round_panel.h"

namespace fretlab {

namespace {

// A chooser that asks for its entries afresh as it opens: inputs come and
// go (a USB interface plugged in), and asking costs a visit to the server.
class InputBox : public QComboBox {
 public:
  std::function<void()> beforePopup;
  void showPopup() override {
    if (beforePopup) beforePopup();
    QComboBox::showPopup();
  }
};

}  // namespace

ListeningBar::ListeningBar(PracticeListening& listening, QWidget* parent)
    : QWidget(parent), m_listening(listening) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  m_switch = new QCheckBox(tr("Listen to my guitar"), this);
  m_switch->setAccessibleName(m_switch->text());
  row->addWidget(m_switch);
  auto* input = new InputBox;
  input->beforePopup = [this] { fillInputs(); };
  m_input = input;
  m_input->addItem(tr("The system's default input"), QString());
  m_input->setAccessibleName(tr("Input to listen to"));
  m_input->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  auto* inputLabel = new QLabel(tr("Input:"), this);
  inputLabel->setBuddy(m_input);
  row->addWidget(inputLabel);
  row->addWidget(m_input);
  m_level = new QProgressBar(this);
  m_level->setRange(kMeterFloorDb, 0);
  m_level->setValue(kMeterFloorDb);
  m_level->setTextVisible(false);
  m_level->setFixedWidth(120);
  m_level->setAccessibleName(tr("Input level in dB"));
  row->addWidget(m_level);
  m_indicator = new QLabel(QStringLiteral("<span style='color:#D55E00'>\u25CF</span> ") + tr("Listening"), this);
  m_indicator->setAccessibleName(tr("Listening"));
  row->addWidget(m_indicator);
  m_singleNotes = new QLabel(tr("Single notes only: a chord is not heard."), this);
  row->addWidget(m_singleNotes);
  row->addStretch();
  m_message = new QLabel(this);
  m_message->setWordWrap(true);
  m_message->setAccessibleName(tr("Sound input"));
  m_message->hide();
  column->addWidget(m_message);

  connect(m_switch, &QCheckBox::toggled, this, [this](bool on) { m_listening.setListening(on); });
  connect(m_input, &QComboBox::activated, this,
          [this](int row) { m_listening.chooseSource(m_input->itemData(row).toString()); });
  connect(&m_listening, &PracticeListening::levelChanged, this, [this](double db) {
    m_level->setValue(std::clamp(static_cast<int>(std::lround(db)), kMeterFloorDb, 0));
  });
  connect(&m_listening, &PracticeListening::listeningChanged, this, &ListeningBar::showListening);
  connect(&m_listening, &PracticeListening::message, this,
          [this](const QString& line) { RoundPanel::announce(m_message, line); });
  showListening(false);
}

void ListeningBar::fillInputs() {
  QString failure;
  const std::vector<CaptureSource> sources = m_listening.sources(&failure);
  if (!failure.isEmpty()) RoundPanel::announce(m_message, failure);
  const QSignalBlocker quiet(m_input);
  while (m_input->count() > 1) m_input->removeItem(1);
  for (const CaptureSource& s : sources) {
    const QString description = QString::fromStdString(s.description);
    m_input->addItem(s.isDefault ? tr("%1 (the default)").arg(description) : description,
                     QString::fromStdString(s.name));
  }
  const int chosen = m_input->findData(m_listening.source());
  m_input->setCurrentIndex(std::max(chosen, 0));
}

void ListeningBar::showListening(bool listening) {
  {
    const QSignalBlocker quiet(m_switch);
    m_switch->setChecked(listening);
  }
  m_indicator->setVisible(listening);
  m_singleNotes->setVisible(listening);
  m_level->setEnabled(listening);
  m_level->setValue(kMeterFloorDb);
  if (listening) fillInputs();
}

}  // namespace fretlab
