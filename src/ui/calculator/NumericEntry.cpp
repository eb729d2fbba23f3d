// SPDX-License-Identifier: GPL-3.0-or-later
// Typed-number entry: parsing and the leave-the-box validation used by the result windows.
#include "ui/calculator/NumericEntry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <cctype>
#include <charconv>
#include <cmath>

namespace kelvadrome {

std::optional<double> ParseEnteredNumber(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

Beeper SystemBeeper() {
  return [] { QApplication::beep(); };
}

EntryValidator::EntryValidator(QLineEdit* box, AcceptFunction accept, Beeper beep)
    : QObject(box), box_(box), accept_(std::move(accept)), beep_(std::move(beep)) {
  box_->installEventFilter(this);
  connect(box_, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

bool EntryValidator::Commit() {
  if (!edited_) return true;
  // Cleared before the handler runs: the handler may show a message box, which takes the focus.
  edited_ = false;
  if (accept_(box_->text())) return true;
  edited_ = true;
  beep_();
  // The focus is being handed over right now; taking it back has to wait for that to finish.
  QPointer<QLineEdit> box = box_;
  QTimer::singleShot(0, box_, [box] {
    if (box) box->setFocus(Qt::OtherFocusReason);
  });
  return false;
}

bool EntryValidator::FocusGoesToBypassButton() const {
  if (bypassCaption_.isEmpty()) return false;
  const auto* button = qobject_cast<const QAbstractButton*>(QApplication::focusWidget());
  return button != nullptr && button->text().remove(QLatin1Char('&')) == bypassCaption_;
}

bool EntryValidator::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return false;
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Commit();
      return true;
    }
  } else if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !FocusGoesToBypassButton())
      Commit();
  }
  return false;
}

}  // namespace kelvadrome
