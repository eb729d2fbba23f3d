// SPDX-License-Identifier: GPL-3.0-or-later
// The little sketch of the loads editor that explains the direction angle of a line load.
#pragma once

#include <QWidget>

namespace kelvadrome {

class LoadDirectionSketch final : public QWidget {
  Q_OBJECT

 public:
  explicit LoadDirectionSketch(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kelvadrome
