// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog: which sections to print, the printer they go to and Printer Setup. The
// choices come in with the dialog and go back out when it closes, either way.
#pragma once

#include <QDialog>

#include <array>

#include "report/ReportJob.h"

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;

namespace kelvadrome {

class frmPrint final : public QDialog {
  Q_OBJECT

 public:
  // concreteAvailable is false when the concrete design found the wall not stable: the choice
  // is then unticked and disabled.
  frmPrint(QPrinter& printer, const ReportSelection& selection, bool concreteAvailable, QWidget* parent);

  [[nodiscard]] ReportSelection Selection() const;
  [[nodiscard]] bool PrintConfirmed() const { return printConfirmed_; }

  // Controls by the names the dialog gives them.
  [[nodiscard]] QCheckBox* chkPrint(int index) const { return checks_.at(static_cast<size_t>(index)); }
  [[nodiscard]] QLabel* Label1() const { return label1_; }
  [[nodiscard]] QPushButton* Command1() const { return command1_; }
  [[nodiscard]] QPushButton* Command2() const { return command2_; }
  [[nodiscard]] QPushButton* Command3() const { return command3_; }

 private:
  void ShowPrinterName();
  void PrinterSetup();

  QPrinter& printer_;
  std::array<QCheckBox*, 8> checks_{};
  QLabel* label1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
  bool printConfirmed_ = false;
};

}  // namespace kelvadrome
