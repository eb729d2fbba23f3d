// SPDX-License-Identifier: GPL-3.0-or-later
// The Page Setup dialog: margins and footer validated when their box is left, like the editors.
#include "ui/print/PageSetupDialog.h"

#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/calculator/NumericEntry.h"

namespace kelvadrome {
namespace {

constexpr std::array<const char*, 4> kMarginCaptions{"&Left:", "&Right:", "&Top:", "&Bottom:"};
constexpr std::array<const char*, 3> kFooterCaptions{"L&eft text:", "&Centre text:", "R&ight text:"};

}  // namespace

PageSetupDialog::PageSetupDialog(const PageSetupValues& values, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kelvadrome: Page Setup"));
  auto* layout = new QVBoxLayout(this);

  auto* marginBox = new QGroupBox(QStringLiteral("Margins (mm)"), this);
  auto* marginGrid = new QGridLayout(marginBox);
  for (size_t i = 0; i < margins_.size(); ++i) {
    auto* edit = new QLineEdit(QString::number(values.margins[i]), marginBox);
    edit->setObjectName(QStringLiteral("txtMargin%1").arg(i));
    auto* label = new QLabel(QString::fromLatin1(kMarginCaptions[i]), marginBox);
    label->setBuddy(edit);
    const int row = static_cast<int>(i / 2);
    const int column = static_cast<int>(i % 2) * 2;
    marginGrid->addWidget(label, row, column);
    marginGrid->addWidget(edit, row, column + 1);
    margins_[i] = edit;
    marginValidators_[i] = new EntryValidator(
        edit, [](const QString& text) { return IsValidMarginText(text.toStdString()); }, SystemBeeper());
    marginValidators_[i]->SetBypassButtonCaption(QStringLiteral("Cancel"));
  }
  layout->addWidget(marginBox);

  auto* footerBox = new QGroupBox(QStringLiteral("Footer"), this);
  auto* footerForm = new QFormLayout(footerBox);
  for (size_t i = 0; i < footers_.size(); ++i) {
    auto* edit = new QLineEdit(QString::fromStdString(values.footerTexts[i]), footerBox);
    edit->setObjectName(QStringLiteral("txtFooter%1").arg(i + 1));
    footerForm->addRow(QString::fromLatin1(kFooterCaptions[i]), edit);
    footers_[i] = edit;
    footerValidators_[i] = new EntryValidator(
        edit, [](const QString& text) { return FooterTextProblem(text.toStdString()).empty(); }, SystemBeeper());
    footerValidators_[i]->SetBypassButtonCaption(QStringLiteral("Cancel"));
  }
  auto* tokens = new QLabel(
      QStringLiteral("Tokens: &Date, &Time, &Input (file name), &Page (page number), &NPages (number of pages)"),
      footerBox);
  tokens->setTextFormat(Qt::PlainText);
  tokens->setWordWrap(true);
  footerForm->addRow(tokens);
  font_ = new QFontComboBox(footerBox);
  font_->setObjectName(QStringLiteral("cboFooterFont"));
  font_->setCurrentFont(QFont(QString::fromStdString(values.footerFont)));
  // Keep the stored name when the platform maps it to another family ("Arial").
  font_->setEditable(true);
  font_->setEditText(QString::fromStdString(values.footerFont));
  footerForm->addRow(QStringLiteral("&Font:"), font_);
  layout->addWidget(footerBox);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &PageSetupDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PageSetupDialog::reject);
  layout->addWidget(buttons);
}

PageSetupValues PageSetupDialog::Values() const {
  PageSetupValues values;
  for (size_t i = 0; i < margins_.size(); ++i) {
    values.margins[i] = static_cast<int16_t>(margins_[i]->text().trimmed().toInt());
  }
  for (size_t i = 0; i < footers_.size(); ++i) values.footerTexts[i] = footers_[i]->text().toStdString();
  values.footerFont = font_->currentText().trimmed().toStdString();
  return values;
}

void PageSetupDialog::accept() {
  // A box still holding a refused value keeps the dialog open, with the focus in that box.
  for (size_t i = 0; i < margins_.size(); ++i) {
    if (!IsValidMarginText(margins_[i]->text().toStdString())) {
      SystemBeeper()();
      margins_[i]->setFocus();
      margins_[i]->selectAll();
      return;
    }
  }
  for (QLineEdit* footer : footers_) {
    if (!FooterTextProblem(footer->text().toStdString()).empty()) {
      SystemBeeper()();
      footer->setFocus();
      return;
    }
  }
  if (font_->currentText().trimmed().isEmpty()) {
    SystemBeeper()();
    font_->setFocus();
    return;
  }
  QDialog::accept();
}

std::optional<PageSetupValues> RunPageSetupDialog(QWidget* parent, const PageSetupValues& current) {
  PageSetupDialog dialog(current, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  PageSetupValues edited = dialog.Values();
  if (edited == current) return std::nullopt;
  return edited;
}

}  // namespace kelvadrome
