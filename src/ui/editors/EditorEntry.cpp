// SPDX-License-Identifier: GPL-3.0-or-later
// Typed numbers and the leave-the-box check of the input editors.
#include "ui/editors/EditorEntry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <limits>

#include "format/NumberFormat.h"

namespace kelvadrome {

namespace {

const QRegularExpression& NumberPattern() {
  static const QRegularExpression pattern(
      QStringLiteral(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)"));
  return pattern;
}


}  // namespace

std::optional<double> ParseEntryNumber(const QString& text) {
  const std::optional<double> value = ParseEnteredNumber(text.toStdString());
  if (!value || std::abs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return value;
}

double LeadingNumber(const QString& text) {
  const QString trimmed = text.trimmed();
  const QRegularExpressionMatch match = NumberPattern().match(trimmed);
  if (!match.hasMatch()) return 0;
  return ParseEntryNumber(match.captured(0)).value_or(0.0);
}

QString GeneralText(double value) {
  return QString::fromStdString(FormatGeneral(static_cast<float>(value)));
}

EntryGuard::EntryGuard(QObject* owner, Beeper beep) : QObject(owner), beep_(std::move(beep)) {}

void EntryGuard::Watch(QLineEdit* box, Rule rule) {
  watched_.push_back({box, std::move(rule)});
  box->installEventFilter(this);
}

const EntryGuard::Watched* EntryGuard::Find(const QObject* box) const {
  for (const Watched& w : watched_)
    if (w.box == box) return &w;
  return nullptr;
}

std::optional<double> EntryGuard::AcceptedValue(const QLineEdit* box) const {
  const std::optional<double> value = ParseEntryNumber(box->text());
  const Watched* w = Find(box);
  if (!value || (w != nullptr && !w->rule(*value))) return std::nullopt;
  return value;
}

void EntryGuard::Refuse(QLineEdit* box) {
  beep_();
  // The focus is being handed to another control right now; taking it back has to wait until
  // that is finished, or the other control would be left half focused.
  pendingBox_ = box;
  QTimer::singleShot(0, this, [this] {
    QPointer<QLineEdit> box = pendingBox_;
    pendingBox_.clear();
    if (box && box->isEnabled() && box->isVisible()) box->setFocus(Qt::OtherFocusReason);
  });
}

bool EntryGuard::ReadyToAccept() {
  if (RefocusPending()) return false;
  for (const Watched& w : watched_) {
    // Boxes the window does not show (grid rows beyond the last) hold nothing to write.
    if (!w.box->isEnabled() || !w.box->isVisibleTo(w.box->window()) || IsValid(w.box)) continue;
    Refuse(w.box);
    return false;
  }
  return true;
}

bool EntryGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr || Find(box) == nullptr) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  // Another window or a pop-up taking the focus is no leaving of the box; nor is the moment
  // between a refusal and the focus coming back to the refused box.
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
  if (RefocusPending() || !box->isVisible()) return false;
  if (cancel_ && QApplication::focusWidget() == cancel_) return false;
  const bool accepted = IsValid(box);
  if (!accepted) Refuse(box);
  emit Left(box, accepted);
  return false;
}

void CentreOver(QWidget* window, const QWidget* over) {
  if (over == nullptr) return;
  const QWidget* main = over->window();
  const QRect frame = main->frameGeometry();
  const QSize own = window->frameGeometry().size().expandedTo(window->size());
  window->move(frame.left() + (frame.width() - own.width()) / 2,
               frame.top() + (frame.height() - own.height()) / 2);
}

}  // namespace kelvadrome
