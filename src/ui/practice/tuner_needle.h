#pragma once
// A tuner's needle: a scale from 50 cents flat to 50 cents sharp with the
// needle at the deviation heard, a band where the string is in tune, and
// the needle greyed at the centre while nothing steady is heard. Its
// accessible description says the deviation in words.

#include <QWidget>
#include <optional>

namespace fretlab {

class TunerNeedle : public QWidget {
  Q_OBJECT

 public:
  static constexpr double kRangeCents = 50;   // each side of the centre
  static constexpr double kInTuneCents = 3;   // the band drawn around the centre

  explicit TunerNeedle(QWidget* parent = nullptr);

  // Cents off the target, negative flat; none: nothing heard.
  void setCents(std::optional<double> cents);
  std::optional<double> cents() const { return m_cents; }

  QSize sizeHint() const override { return {420, 110}; }
  QSize minimumSizeHint() const override { return {200, 70}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<double> m_cents;
};

}  // namespace fretlab
