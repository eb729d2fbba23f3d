// SPDX-License-Identifier: GPL-3.0-or-later
// The value entry box of the dimension labels.
#include "ui/editors/frmEdit.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Units.h"

namespace kelvadrome {

namespace {

QToolButton* StepButton(QWidget* parent, Qt::ArrowType arrow, const char* name, const QString& tip) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setToolTip(tip);
  button->setAutoRepeat(true);
  // The caret stays in the value while the user steps it.
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(22, 14);
  return button;
}

}  // namespace

frmEdit::frmEdit(QWidget* parent, Beeper beep) : QDialog(parent), beep_(std::move(beep)) {
  setObjectName(QStringLiteral("frmEdit"));
  setWindowTitle(QStringLiteral("Kelvadrome"));
  setModal(true);

  auto* panel = new QFrame(this);  // the three-dimensional panel around the value
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  text1_ = new QLineEdit(panel);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  text1_->setMinimumWidth(90);
  cmdUp_ = StepButton(panel, Qt::UpArrow, "cmdUp", tr("Up 0.1"));
  cmdDown_ = StepButton(panel, Qt::DownArrow, "cmdDown", tr("Down 0.1"));
  auto* steps = new QVBoxLayout;
  steps->setSpacing(0);
  steps->addWidget(cmdUp_);
  steps->addWidget(cmdDown_);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(4, 4, 4, 4);
  panelLayout->setSpacing(2);
  panelLayout->addWidget(text1_, 1);
  panelLayout->addLayout(steps);

  command1_ = new QPushButton(QStringLiteral("&Accept"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setDefault(true);
  command2_ = new QPushButton(QStringLiteral("&Cancel"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command1_);
  buttons->addWidget(command2_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(panel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cmdUp_, &QToolButton::clicked, this, &frmEdit::StepUp);
  connect(cmdDown_, &QToolButton::clicked, this, &frmEdit::StepDown);
  connect(command1_, &QPushButton::clicked, this, &frmEdit::Accept);
  connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmEdit::SetValueText(const QString& text) {
  text1_->setText(text);
  // The whole text selected with the caret at its start: typing replaces it.
  text1_->setSelection(int(text.size()), -int(text.size()));
  text1_->setFocus(Qt::OtherFocusReason);
}

QString frmEdit::ValueText() const { return text1_->text(); }

std::optional<QString> frmEdit::Ask(const QString& text) {
  SetValueText(text);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return text1_->text();
}

void frmEdit::ShowStepped(double value) {
  text1_->setText(GeneralText(value < 0 ? 0.0 : RoundTo(value, 1)));
}

void frmEdit::StepUp() { ShowStepped(RoundTo(LeadingNumber(text1_->text()), 1) + 0.1); }

void frmEdit::StepDown() { ShowStepped(RoundTo(LeadingNumber(text1_->text()), 1) - 0.1); }

void frmEdit::Accept() {
  if (ParseEntryNumber(text1_->text())) {
    accept();
    return;
  }
  beep_();
  text1_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kelvadrome
