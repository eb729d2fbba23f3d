// SPDX-License-Identifier: GPL-3.0-or-later
// Typed-number entry shared by the result windows: reading what the user typed, and the
// "validate when the box is left or Enter is pressed, beep and stay on a bad value" behaviour.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>

class QLineEdit;

namespace kelvadrome {

// The value of a typed number: optional surrounding blanks, a sign, digits with "." as the
// decimal point and an optional exponent. Anything else, or a value that is not finite, is empty.
[[nodiscard]] std::optional<double> ParseEnteredNumber(std::string_view text);

using Beeper = std::function<void()>;

// The system beep of the desktop.
[[nodiscard]] Beeper SystemBeeper();

// Watches one QLineEdit. Any edit by the user marks it; Enter (swallowed) or losing the focus
// while marked asks `accept` whether the text is taken. A refused text beeps and the focus goes
// back to the box; a taken one clears the mark. Focus that leaves because the window itself was
// deactivated (a message box, another program) does not count as leaving the box.
class EntryValidator final : public QObject {
  Q_OBJECT
 public:
  using AcceptFunction = std::function<bool(const QString& text)>;

  EntryValidator(QLineEdit* box, AcceptFunction accept, Beeper beep);

  // Leaving the box for a button with this caption (access key marks ignored) does nothing.
  void SetBypassButtonCaption(const QString& caption) { bypassCaption_ = caption; }

  [[nodiscard]] bool IsEdited() const { return edited_; }

  // The handling of leaving the box, also run by Enter. Returns true when the text was taken
  // or nothing was pending.
  bool Commit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] bool FocusGoesToBypassButton() const;

  QLineEdit* box_;
  AcceptFunction accept_;
  Beeper beep_;
  QString bypassCaption_;
  bool edited_ = false;
};

}  // namespace kelvadrome
