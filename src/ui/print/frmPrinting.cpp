// SPDX-License-Identifier: GPL-3.0-or-later
// The printing window: runs the job once it is shown, with the progress text in Label1.
#include "ui/print/frmPrinting.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/MessageSink.h"

namespace kelvadrome {
namespace {

// The busy pointer goes back to normal before a message is shown, as after any message.
struct CursorRestoringSink final : MessageSink {
  explicit CursorRestoringSink(MessageSink& inner) : target(inner) {}
  void Warn(std::string_view text) override {
    QApplication::restoreOverrideCursor();
    target.Warn(text);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  MessageSink& target;
};

}  // namespace

frmPrinting::frmPrinting(QPagedPaintDevice& device, ReportJob& job, QWidget* parent)
    : QDialog(parent), device_(device), job_(job) {
  setObjectName(QStringLiteral("frmPrinting"));
  setWindowTitle(QStringLiteral("Kelvadrome: Printing"));
  auto* layout = new QVBoxLayout(this);
  label1_ = new QLabel(QStringLiteral("Printing"), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setMinimumWidth(260);
  layout->addWidget(label1_);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("Command1"));
  layout->addWidget(cancel, 0, Qt::AlignHCenter);
}

void frmPrinting::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  QTimer::singleShot(0, this, [this] {
    Run();
    accept();
  });
}

void frmPrinting::Run() {
  started_ = true;
  CursorRestoringSink sink(job_.sink);
  ReportJob job{job_.project, sink, job_.selection, job_.fonts, job_.footer,
                [this](const QString& text) {
                  label1_->setText(text);
                  label1_->repaint();
                }};
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    outcome_ = PrintReport(device_, job);
  } catch (...) {
    fault_ = std::current_exception();
  }
  QApplication::restoreOverrideCursor();
}

}  // namespace kelvadrome
