// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar strip and its picture buttons.
#include "ui/main/MainToolBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace kelvadrome {

namespace {

constexpr int kPanelTop = 30;
constexpr int kPanelSize = 360;
constexpr int kImageRest = 30;     // picture position inside a flat or raised panel
constexpr int kImagePressed = 45;  // ... and inside a sunk one
constexpr int kStripHeight = 420;
constexpr std::array<int, kToolCount> kToolLeft{60, 450, 900, 1350, 1740, 2130, 2580, 2970, 3420, 3870};
constexpr std::array<int, 5> kSeparatorLeft{840, 1290, 2520, 3360, 3810};

}  // namespace

ToolPanel::ToolPanel(QAction* action, TwipsScale scale, QWidget* parent)
    : QWidget(parent), action_(action), scale_(scale) {
  setObjectName(QStringLiteral("ToolPanel"));
  setToolTip(action->toolTip());
  setEnabled(action->isEnabled());
  connect(action, &QAction::changed, this, [this] {
    if (!action_) return;
    setEnabled(action_->isEnabled());
    if (!action_->isEnabled()) SetFlat();
    update();
  });
  setMouseTracking(true);
}

void ToolPanel::SetFlat() { SetLook(Look::Flat); }

void ToolPanel::SetLook(Look look) {
  if (look_ == look) return;
  look_ = look;
  update();
}

void ToolPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (look_ != Look::Flat) {
    qDrawShadePanel(&painter, rect(), palette(), look_ == Look::Sunk, 1);
  }
  if (!action_) return;
  const int offset = scale_.Px(look_ == Look::Sunk ? kImagePressed : kImageRest);
  const int size = scale_.Px(kPanelSize - 2 * kImageRest);
  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  action_->icon().paint(&painter, QRect(offset, offset, size, size), Qt::AlignCenter, mode);
}

void ToolPanel::enterEvent(QEnterEvent*) {
  if (isEnabled()) SetLook(Look::Raised);
}

void ToolPanel::leaveEvent(QEvent*) { SetFlat(); }

void ToolPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) SetLook(Look::Sunk);
}

void ToolPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || look_ != Look::Sunk) return;
  const bool inside = rect().contains(event->position().toPoint());
  SetLook(inside ? Look::Raised : Look::Flat);
  if (inside && action_ && action_->isEnabled()) action_->trigger();
}

ToolStrip CreateToolStrip(const MainActions& a, TwipsScale scale, QWidget* parent) {
  ToolStrip strip;
  strip.panel = new QFrame(parent);
  strip.panel->setObjectName(QStringLiteral("Panel3D4"));
  strip.panel->setFrameShape(QFrame::Panel);
  strip.panel->setFrameShadow(QFrame::Raised);
  strip.panel->setMouseTracking(true);
  const std::array<QAction*, kToolCount> actions{a.fileNew,        a.fileSave,           a.filePrint,
                                                 a.editProperties, a.editLoads,          a.editRestraints,
                                                 a.calculateStability, a.calculateConcrete, a.calculateCalculator,
                                                 a.helpContents};
  for (int i = 0; i < kToolCount; ++i) {
    strip.tools[i] = new ToolPanel(actions[i], scale, strip.panel);
    strip.tools[i]->setObjectName(QStringLiteral("ToolPanel%1").arg(i));
  }
  for (int i = 0; i < 5; ++i) {
    strip.separators[i] = new QFrame(strip.panel);
    strip.separators[i]->setObjectName(QStringLiteral("lnTool%1").arg(i));
    strip.separators[i]->setFrameShape(QFrame::VLine);
    strip.separators[i]->setFrameShadow(QFrame::Sunken);
  }
  return strip;
}

void LayoutToolStrip(const ToolStrip& strip, TwipsScale scale, int widthPixels) {
  strip.panel->setGeometry(0, 0, widthPixels, scale.Px(kStripHeight));
  for (int i = 0; i < kToolCount; ++i) {
    strip.tools[i]->setGeometry(scale.Px(kToolLeft[i]), scale.Px(kPanelTop), scale.Px(kPanelSize),
                                scale.Px(kPanelSize));
  }
  for (int i = 0; i < 5; ++i) {
    strip.separators[i]->setGeometry(scale.Px(kSeparatorLeft[i]), scale.Px(15), std::max(2, scale.Px(30)),
                                     scale.Px(405));
  }
}

void ResetToolStrip(const ToolStrip& strip) {
  for (ToolPanel* tool : strip.tools) tool->SetFlat();
}

}  // namespace kelvadrome
