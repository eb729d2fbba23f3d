// SPDX-License-Identifier: GPL-3.0-or-later
// The dimension label click: placing the value box, refusing negative values, storing the value.
#include "ui/editors/DimensionEditCommand.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "model/DimensionEdit.h"
#include "ui/editors/frmEdit.h"

namespace kelvadrome {

QPoint ValueBoxPosition(const QRect& labelRect, const QSize& boxSize, const QRect& screen,
                        TwipsScale scale) {
  int left = labelRect.left() + scale.Px(90);
  int top = labelRect.top() + scale.Px(630);
  if (top + boxSize.height() >= screen.bottom()) top -= boxSize.height() + scale.Px(180);
  // A label near the right edge of the screen must not push the box off it.
  left = std::clamp(left, screen.left(), std::max(screen.left(), screen.right() + 1 - boxSize.width()));
  top = std::max(top, screen.top());
  return {left, top};
}

bool EditDimension(frmEdit& box, ProjectData& project, int labelIndex, const QRect& labelRectGlobal,
                   const Beeper& beep) {
  const QScreen* screen = QGuiApplication::screenAt(labelRectGlobal.center());
  if (screen == nullptr) screen = box.screen();
  box.adjustSize();
  box.move(ValueBoxPosition(labelRectGlobal, box.frameGeometry().size(), screen->availableGeometry(),
                            TwipsScale::ForScreen(screen)));

  const QString labelText = GeneralText(DimensionLabelValue(project, labelIndex));
  double value = -1;
  while (value < 0) {
    const std::optional<QString> entered = box.Ask(labelText);
    if (!entered) return false;
    value = ParseEntryNumber(*entered).value_or(-1);
    if (value < 0) beep();
  }
  return ApplyDimensionEdit(project, labelIndex, value);
}

}  // namespace kelvadrome
