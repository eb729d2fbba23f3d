// SPDX-License-Identifier: GPL-3.0-or-later
// The common look of the editor windows.
#include "ui/editors/EditorLayout.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvadrome {

QLineEdit* NewValueBox(QWidget* parent, const QString& name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000.00")) + 12);
  return box;
}

QLabel* NewUnitLabel(QWidget* parent, const QString& name, const QString& unit) {
  auto* label = new QLabel(unit, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("E+5 kg/cm²")));
  return label;
}

QLabel* NewCaption(QWidget* parent, const QString& richText) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::RichText);
  label->setText(richText);
  return label;
}

QPushButton* NewCommandButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Cancel")) + 40);
  return button;
}

QHBoxLayout* CommandRow(QPushButton* accept, QPushButton* cancel) {
  accept->setDefault(true);
  cancel->setAutoDefault(false);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(accept);
  row->addWidget(cancel);
  return row;
}

}  // namespace kelvadrome
