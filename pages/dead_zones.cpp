// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/dead_zones.h"

#include "models/model_layout.h"
#include "names/control_names.h"

namespace pages {
namespace {
void ShowOne(PageControls& controls, const names::DeadZoneControl& control, std::int8_t value) {
  controls.SetValue(control.slider, value);
  controls.SetText(control.valueLabel, QString::number(value));
}
}  // namespace

QString DeadZoneText(int sliderValue) {
  return QString::number(static_cast<std::int8_t>(sliderValue & 0xFF));
}

void StoreDeadZones(const PageControls& controls, ControllerConfig& config,
                    const std::string& boardModel) {
  // Only the models that show the dead-zone group have sliders worth reading.
  if (!ShowsDeadZoneGroup(boardModel)) return;
  const int leftCentre = controls.GetValue(names::kLeftCentre.slider);
  const int leftBoundary = controls.GetValue(names::kLeftBoundary.slider);
  const int rightCentre = controls.GetValue(names::kRightCentre.slider);
  const int rightBoundary = controls.GetValue(names::kRightBoundary.slider);
  config.SetCode(slots::kRightStickDeadZones, PackDeadZones(rightCentre, rightBoundary));
  config.SetCode(slots::kLeftStickDeadZones, PackDeadZones(leftCentre, leftBoundary));
}

void ShowDeadZones(PageControls& controls, std::uint16_t left, std::uint16_t right) {
  const DeadZones leftZones = DeadZonesOf(left);
  const DeadZones rightZones = DeadZonesOf(right);
  ShowOne(controls, names::kLeftCentre, leftZones.centre);
  ShowOne(controls, names::kLeftBoundary, leftZones.boundary);
  ShowOne(controls, names::kRightCentre, rightZones.centre);
  ShowOne(controls, names::kRightBoundary, rightZones.boundary);
}

}  // namespace pages
