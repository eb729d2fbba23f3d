// SPDX-License-Identifier: GPL-3.0-or-later
// A small drawing of a wall with its earth and water, through the same figure code as the main
// window's picture: the optimiser window shows the selected wall with it.
#pragma once

#include <QWidget>
#include <optional>

#include "model/ProjectData.h"

namespace kelvadrome {

class WallSketch final : public QWidget {
  Q_OBJECT
 public:
  explicit WallSketch(QWidget* parent = nullptr);
  // Nothing is drawn without a wall.
  void SetWall(const std::optional<ProjectData>& project);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<ProjectData> project_;
};

}  // namespace kelvadrome
