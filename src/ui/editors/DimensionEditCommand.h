// SPDX-License-Identifier: GPL-3.0-or-later
// Editing a dimension label of the drawing: where the value box opens, the refusal of negative
// values, and the edit itself.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "report/drawing/TwipsScale.h"
#include "ui/editors/EditorEntry.h"

class QWidget;

namespace kelvadrome {

struct ProjectData;
class frmEdit;

// The top left corner of the value box for a label at labelRect (global coordinates): 90 twips
// right of the label's left edge and 630 twips below its top; moved up by its own height and 180
// twips when it would reach the bottom of the screen, and kept within the screen's width.
[[nodiscard]] QPoint ValueBoxPosition(const QRect& labelRect, const QSize& boxSize, const QRect& screen,
                                      TwipsScale scale);

// The whole edit of dimension label labelIndex (0..15): the box opens beside the label with the
// label's value until a value that is not negative is accepted (a negative one beeps), then the
// value is stored and the other dimensions are fitted. Returns false, changing nothing, after
// Cancel. The caller recomputes the outline and redraws.
bool EditDimension(frmEdit& box, ProjectData& project, int labelIndex, const QRect& labelRectGlobal,
                   const Beeper& beep);

}  // namespace kelvadrome
