// SPDX-License-Identifier: GPL-3.0-or-later
// The stability window (frmStability): the external forces, the eccentricities, the base
// pressures, the sliding, overturning and bearing resistance checks and the notes of the last service analysis,
// with their unit labels, and the global stability. It only reads the results; it never computes.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"

class QLabel;

namespace kelvadrome {

class frmStability final : public QDialog {
  Q_OBJECT

 public:
  // Filled once from the results; centred over the window that opens it (parent).
  frmStability(const StabilityResults& stability, const GlobalStabilityResults& global, UnitSystem unitSystem,
               QWidget* parent = nullptr);

  // Top left corner that centres a window of size own over the frame main, never negative.
  [[nodiscard]] static QPoint CentredOver(const QRect& main, const QSize& own);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace kelvadrome
