#pragma once
// Small helpers the Practice window's controls share.

#include <QString>
#include <string_view>

namespace fretlab {

inline QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Every control gets a label for the eye and an accessible name for the ear.
template <typename Control>
Control* Named(Control* control, const QString& name) {
  control->setAccessibleName(name);
  return control;
}

}  // namespace fretlab
