// SPDX-License-Identifier: GPL-3.0-or-later
// The printing window "Kelvadrome: Printing": shows which section is being printed while the
// whole job runs, then closes itself. Its Cancel button does nothing: the job always runs to
// its end.
#pragma once

#include <QDialog>

#include <exception>

#include "report/ReportJob.h"

class QLabel;
class QPagedPaintDevice;

namespace kelvadrome {

class frmPrinting final : public QDialog {
  Q_OBJECT

 public:
  frmPrinting(QPagedPaintDevice& device, ReportJob& job, QWidget* parent);

  // Runs the job now (the window does so by itself once it is shown).
  void Run();

  [[nodiscard]] const ReportOutcome& Outcome() const { return outcome_; }
  // A fault that ended the job; the caller rethrows it so that it is shown like any other.
  [[nodiscard]] std::exception_ptr Fault() const { return fault_; }
  [[nodiscard]] QLabel* Label1() const { return label1_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPagedPaintDevice& device_;
  ReportJob& job_;
  QLabel* label1_ = nullptr;
  ReportOutcome outcome_;
  std::exception_ptr fault_;
  bool started_ = false;
};

}  // namespace kelvadrome
