// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog "Kelvadrome: Print".
#include "ui/print/frmPrint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvadrome {
namespace {

constexpr std::array<const char*, 8> kCaptions{"&Dimensions", "&Loads", "&Properties", "&Stability analysis",
                                               "&Concrete design", "&Reactions, restraints", "&Global stability",
                                               "&Quantities"};
constexpr int kConcrete = 4;
constexpr int kQuantities = 7;

// The selection's flags in the order of the check boxes.
std::array<bool ReportSelection::*, 8> Flags() {
  return {&ReportSelection::dimensions, &ReportSelection::loads,    &ReportSelection::properties,
          &ReportSelection::stability,  &ReportSelection::concrete, &ReportSelection::reactions,
          &ReportSelection::global, &ReportSelection::quantities};
}

}  // namespace

frmPrint::frmPrint(QPrinter& printer, const ReportSelection& selection, bool concreteAvailable, QWidget* parent)
    : QDialog(parent), printer_(printer) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(QStringLiteral("Kelvadrome: Print"));
  auto* layout = new QVBoxLayout(this);
  label1_ = new QLabel(this);
  label1_->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(label1_);

  auto* grid = new QGridLayout;
  const auto flags = Flags();
  for (size_t i = 0; i < checks_.size(); ++i) {
    auto* check = new QCheckBox(QString::fromLatin1(kCaptions[i]), this);
    check->setObjectName(QStringLiteral("chkPrint%1").arg(i));
    check->setChecked(selection.*flags[i]);
    grid->addWidget(check, static_cast<int>(i % 3), static_cast<int>(i / 3));
    checks_[i] = check;
  }
  if (!concreteAvailable) {
    for (const int needsDesign : {kConcrete, kQuantities}) {
      checks_[needsDesign]->setChecked(false);
      checks_[needsDesign]->setEnabled(false);
    }
  }
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  command1_ = new QPushButton(QStringLiteral("Printer &Setup"), this);
  command2_ = new QPushButton(QStringLiteral("&Print"), this);
  command3_ = new QPushButton(QStringLiteral("Ca&ncel"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command2_->setObjectName(QStringLiteral("Command2"));
  command3_->setObjectName(QStringLiteral("Command3"));
  command2_->setDefault(true);
  buttons->addWidget(command1_);
  buttons->addStretch();
  buttons->addWidget(command2_);
  buttons->addWidget(command3_);
  layout->addLayout(buttons);

  connect(command1_, &QPushButton::clicked, this, &frmPrint::PrinterSetup);
  connect(command2_, &QPushButton::clicked, this, [this] {
    printConfirmed_ = true;
    accept();
  });
  connect(command3_, &QPushButton::clicked, this, &frmPrint::reject);
  ShowPrinterName();
}

ReportSelection frmPrint::Selection() const {
  ReportSelection selection;
  const auto flags = Flags();
  for (size_t i = 0; i < checks_.size(); ++i) selection.*flags[i] = checks_[i]->isChecked();
  return selection;
}

void frmPrint::ShowPrinterName() {
  const QString name = printer_.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("PDF file") : printer_.printerName();
  label1_->setText(QStringLiteral("Printer: ") + name);
}

void frmPrint::PrinterSetup() {
  // Cancelling the printer dialog changes nothing.
  QPrintDialog dialog(&printer_, this);
  dialog.setWindowTitle(QStringLiteral("Kelvadrome"));
  dialog.exec();
  ShowPrinterName();
}

}  // namespace kelvadrome
