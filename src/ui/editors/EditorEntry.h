// SPDX-License-Identifier: GPL-3.0-or-later
// What the input editors share: reading typed numbers, the injectable beep, and the check of a
// value box when the user leaves it (beep and the focus kept on a refused entry).
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "ui/calculator/NumericEntry.h"  // Beeper, SystemBeeper, ParseEnteredNumber

class QLineEdit;
class QWidget;

namespace kelvadrome {

// A whole typed number (see ParseEnteredNumber) that fits the single precision of the project's
// fields; anything else is empty.
[[nodiscard]] std::optional<double> ParseEntryNumber(const QString& text);

// The number a text starts with, or 0 when it starts with none ("12abc" gives 12).
[[nodiscard]] double LeadingNumber(const QString& text);

// A stored value in the general number format.
[[nodiscard]] QString GeneralText(double value);

// Checks the watched boxes of one editor window as the user leaves them. A refused entry beeps
// and gets the focus back; Accept writes nothing while an entry is refused. Leaving a box
// for the window's cancel button checks nothing, so Cancel always works.
class EntryGuard final : public QObject {
  Q_OBJECT

 public:
  using Rule = std::function<bool(double value)>;

  EntryGuard(QObject* owner, Beeper beep);

  void SetCancelButton(QAbstractButton* cancel) { cancel_ = cancel; }
  void Watch(QLineEdit* box, Rule rule);

  // True between a refusal and the focus coming back to the refused box.
  [[nodiscard]] bool RefocusPending() const { return !pendingBox_.isNull(); }

  // The check Accept runs before writing anything: false while a refused entry is taking the
  // focus back (leaving it for the Accept button was refused already); otherwise every enabled
  // watched box is checked, since the one being typed in may not have been left yet. The first
  // bad one beeps and takes the focus. True when everything may be written.
  [[nodiscard]] bool ReadyToAccept();

  // The value of a watched box when its text is a number its rule accepts.
  [[nodiscard]] std::optional<double> AcceptedValue(const QLineEdit* box) const;
  [[nodiscard]] bool IsValid(const QLineEdit* box) const { return AcceptedValue(box).has_value(); }

 signals:
  // A watched box was left and checked.
  void Left(QLineEdit* box, bool accepted);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Watched {
    QLineEdit* box;
    Rule rule;
  };
  [[nodiscard]] const Watched* Find(const QObject* box) const;
  void Refuse(QLineEdit* box);

  Beeper beep_;
  QPointer<QAbstractButton> cancel_;
  std::vector<Watched> watched_;
  QPointer<QLineEdit> pendingBox_;
};

// Centres a window over another (the main window), as every editor opens.
void CentreOver(QWidget* window, const QWidget* over);

}  // namespace kelvadrome
