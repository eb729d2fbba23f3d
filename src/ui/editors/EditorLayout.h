// SPDX-License-Identifier: GPL-3.0-or-later
// Building blocks that give the editor windows one look: value boxes, unit labels beside them,
// and the Accept and Cancel buttons at the bottom right.
#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kelvadrome {

// A value box wide enough for any value the editors show, the number right-aligned.
[[nodiscard]] QLineEdit* NewValueBox(QWidget* parent, const QString& name, const QString& text);

// The unit beside a value (plain text: the labels hold ², ³ and ° as characters).
[[nodiscard]] QLabel* NewUnitLabel(QWidget* parent, const QString& name, const QString& unit);

// A caption that may hold Greek letters, subscripts (<sub>) and line breaks (<br>).
[[nodiscard]] QLabel* NewCaption(QWidget* parent, const QString& richText);

[[nodiscard]] QPushButton* NewCommandButton(QWidget* parent, const QString& name, const QString& caption);

// Accept and Cancel pushed to the right; Accept answers Enter.
[[nodiscard]] QHBoxLayout* CommandRow(QPushButton* accept, QPushButton* cancel);

}  // namespace kelvadrome
