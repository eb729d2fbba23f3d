// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's way of telling the user what the engine has to say: a warning box titled
// "Kelvadrome" over the window that ran the computation.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "engine/MessageSink.h"

namespace kelvadrome {

class WarningBoxSink final : public MessageSink {
 public:
  explicit WarningBoxSink(QWidget* parent) : parent_(parent) {}
  void Warn(std::string_view text) override {
    QMessageBox::warning(parent_, QStringLiteral("Kelvadrome"),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  QPointer<QWidget> parent_;
};

}  // namespace kelvadrome
