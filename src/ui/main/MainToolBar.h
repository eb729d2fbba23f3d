// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar strip along the top of the main window: ten picture buttons on 3-D panels that
// rise under the mouse and sink when pressed, with separators between the groups.
#pragma once

#include <QAction>
#include <QFrame>
#include <QPointer>
#include <array>

#include "ui/main/MainActions.h"
#include "ui/main/ToolIcons.h"
#include "report/drawing/TwipsScale.h"

namespace kelvadrome {

// One picture button (ToolPanel(i) with imgTool(i)). It runs its action when clicked and
// follows the action's enabled state.
class ToolPanel final : public QWidget {
  Q_OBJECT

 public:
  enum class Look { Flat, Raised, Sunk };

  ToolPanel(QAction* action, TwipsScale scale, QWidget* parent);
  [[nodiscard]] Look CurrentLook() const { return look_; }
  [[nodiscard]] QAction* Action() const { return action_; }
  void SetFlat();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetLook(Look look);

  QPointer<QAction> action_;
  TwipsScale scale_;
  Look look_ = Look::Flat;
};

// Panel3D4 and its buttons.
struct ToolStrip {
  QFrame* panel = nullptr;                       // Panel3D4
  std::array<ToolPanel*, kToolCount> tools{};    // ToolPanel(0..9)
  std::array<QFrame*, 5> separators{};           // lnTool(0..4)
};

[[nodiscard]] ToolStrip CreateToolStrip(const MainActions& actions, TwipsScale scale, QWidget* parent);

// Places the buttons and separators at their fixed twip positions.
void LayoutToolStrip(const ToolStrip& strip, TwipsScale scale, int widthPixels);

// ResetToolbar: every panel flat, every picture back in its resting place.
void ResetToolStrip(const ToolStrip& strip);

}  // namespace kelvadrome
