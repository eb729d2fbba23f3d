// SPDX-License-Identifier: GPL-3.0-or-later
// The unit labels and notes of the reinforcement window (the display conversions of its values
// are in engine/DesignDisplay.h). Free of Qt so that it is easy to test.
#pragma once

#include <string>

#include "model/ProjectData.h"

namespace kelvadrome {

// Labels of the window's unit column.
[[nodiscard]] std::string MomentLabel(UnitSystem unitSystem);            // Tm, kNm, Kipft
[[nodiscard]] std::string SectionAreaLabel(UnitSystem unitSystem);       // cm², mm², in²

// The note on the design strip: "Width (b) = 100 cm", "Width (b) = 1000 mm", "Width (b) = 12 in".
[[nodiscard]] std::string StripWidthNote(UnitSystem unitSystem);
// The limit of z as the note shows it, "#0 " and the force-per-length label: "2548 T/m".
[[nodiscard]] std::string CrackZLimitNote(float crackZLimit, UnitSystem unitSystem);

}  // namespace kelvadrome
