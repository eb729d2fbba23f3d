// SPDX-License-Identifier: GPL-3.0-or-later
// The soil-pressure calculator's printout: one section on one sheet with the twelve inputs,
// the five cases and the water results.
#pragma once

#include "calculator/SoilPressureCalculator.h"
#include "report/ReportSheet.h"

class QPagedPaintDevice;

namespace kelvadrome {

// Prints the page on the device (printer, preview or PDF file). The project gives the margins,
// the title and the unit system. Returns false when the device cannot be painted on.
bool PrintCalculatorPage(QPagedPaintDevice& device, const ProjectData& project, const CalculatorInputs& inputs,
                         const CalculatorResults& results, const ReportFonts& fonts);

}  // namespace kelvadrome
