// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's picture and its dimension labels.
#include "ui/main/WallPicture.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <exception>

#include "engine/Analysis.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/WallView.h"
#include "ui/main/BusyPointer.h"
#include "ui/main/GlobalSearch.h"
#include "ui/main/Twips.h"

namespace kelvadrome {
namespace {

constexpr double kLabelPointSize = 6;

}  // namespace

WallPicture::WallPicture(ProjectData& project, AnalysisResults& results, QWidget* parent)
    : QWidget(parent), project_(project), results_(results) {
  InstallScreenFontSubstitutes();
  setObjectName(QStringLiteral("Picture1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  QFont font(QStringLiteral("Small Fonts"));
  font.setPointSizeF(kLabelPointSize);
  setFont(font);
  for (int i = 0; i < kDimensionLabelCount; ++i) {
    labels_[static_cast<std::size_t>(i)] = MakeLabel(QStringLiteral("lblDim%1").arg(i), true);
  }
  slopeLabel_ = MakeLabel(QStringLiteral("lblSlope"), false);
  slopeLabel_->setText(QStringLiteral("1 : "));
}

QLabel* WallPicture::MakeLabel(const QString& name, bool clickable) {
  auto* label = new QLabel(QStringLiteral("12.34"), this);
  label->setObjectName(name);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  label->hide();
  if (clickable) {
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
  }
  return label;
}

void WallPicture::SetGlobalSearch(GlobalSearch* search) {
  globalSearch_ = search;
  // A search that ends redraws the state shown, if it still shows the circle; its messages were
  // given when that state was analysed.
  connect(search, &GlobalSearch::Finished, this, [this] {
    if (view_ == ViewKind::Global && refreshed_) Redraw();
  });
}

QLabel* WallPicture::DimensionLabel(int index) const {
  if (index < 0 || index >= kDimensionLabelCount) return nullptr;
  return labels_[static_cast<std::size_t>(index)];
}

void WallPicture::Refresh() {
  const BusyPointer busy;
  ServiceAnalysis run = AnalyseService(project_);
  std::vector<std::string> messages = std::move(run.messages);
  if (run.adjustedSlope) {
    // The run that flattened the slope began with the outline of the old slope: the project
    // takes the flattened one and is analysed again, as the refresh cycle starts over. The
    // flattened slope fires no rule.
    project_.backfillSlope = *run.adjustedSlope;
    if (!run.fault) {
      ServiceAnalysis again = AnalyseService(project_);
      messages.insert(messages.end(), again.messages.begin(), again.messages.end());
      again.results.slopeAdjusted = true;
      run.results = again.results;
      run.fault = again.fault;
    }
  }
  results_ = run.results;
  analysisValid_ = !run.fault;
  if (run.fault) messages.push_back(*run.fault);
  shownProject_ = project_;
  shownResults_ = results_;
  refreshed_ = true;
  std::vector<std::string> viewMessages = Redraw();
  // Why a view cannot be drawn is said when the view is chosen or when it first applies; while it
  // stays the same, the results panel goes on saying it, and a box on every refresh would not.
  if (view_ != toldView_ || viewMessages != toldViewMessages_) {
    messages.insert(messages.end(), viewMessages.begin(), viewMessages.end());
  }
  toldView_ = view_;
  toldViewMessages_ = std::move(viewMessages);
  for (const std::string& text : messages) emit EngineMessage(QString::fromStdString(text));
}

std::vector<std::string> WallPicture::Redraw() {
  for (QLabel* label : labels_) label->hide();
  slopeLabel_->hide();
  const double ratio = devicePixelRatioF();
  image_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image_.setDevicePixelRatio(ratio);
  image_.fill(Qt::white);
  WallViewOutput out;
  if (refreshed_ && !image_.isNull()) {
    const double pixelsPerTwip = TwipsScale::ForWidget(this).PixelsPerTwip();
    // The circle is searched only while its view is shown, and only for a stable wall.
    std::optional<GlobalStabilityResults> global;
    if (view_ == ViewKind::Global && analysisValid_ && shownResults_.stability.wallStable && globalSearch_) {
      global = globalSearch_->Request(shownProject_, shownResults_);
    }
    QPainter painter(&image_);
    out = PaintWallPicture(painter, QSizeF(size()), pixelsPerTwip, shownProject_, shownResults_, view_,
                           analysisValid_, global ? &*global : nullptr);
    PlaceLabels(out.labels, pixelsPerTwip);
  }
  update();
  return out.messages;
}

void WallPicture::PlaceLabels(const std::vector<kelvadrome::DimensionLabel>& labels, double pixelsPerTwip) {
  for (const kelvadrome::DimensionLabel& placed : labels) {
    QLabel* label = placed.index == kSlopeLabel ? slopeLabel_ : DimensionLabel(placed.index);
    if (label == nullptr) continue;
    label->setText(placed.text);
    label->adjustSize();
    // Centred where the figure put the value, kept inside the picture.
    const QPointF centre = placed.box.center() * pixelsPerTwip;
    QPoint topLeft = (centre - QPointF(label->width() / 2.0, label->height() / 2.0)).toPoint();
    if (placed.index == kSlopeLabel) {
      // "1 : " ends where the slope's value begins.
      topLeft.setX(qRound(placed.box.right() * pixelsPerTwip) - label->width());
    } else if (placed.index == 14) {
      topLeft.setX(qRound(placed.box.left() * pixelsPerTwip));
    }
    topLeft.setX(std::clamp(topLeft.x(), 0, std::max(0, width() - label->width())));
    topLeft.setY(std::clamp(topLeft.y(), 0, std::max(0, height() - label->height())));
    label->move(topLeft);
    label->show();
  }
}

void WallPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!image_.isNull()) painter.drawImage(QPointF(0, 0), image_);
}

void WallPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The same state drawn at the new size; its messages were given when it was analysed.
  Redraw();
}

bool WallPicture::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    for (int i = 0; i < kDimensionLabelCount; ++i) {
      QLabel* label = labels_[static_cast<std::size_t>(i)];
      if (watched == label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
        emit DimensionLabelClicked(i, label->geometry());
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kelvadrome
