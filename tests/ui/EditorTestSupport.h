// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the window tests, with the widgets they all drive: a counting beeper, typing into boxes as a user does, and a driver
// that acts on modal windows while the code under test waits in their exec().
#pragma once

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <functional>

#include "model/ProjectData.h"

namespace kelvadrome::test {

inline ProjectData DefaultProject() {
  ProjectData p;
  SetDefaults(p);
  return p;
}

// A large horizontal line load high on the stem: the default wall is pushed over.
inline ProjectData PushedOver(ProjectData p) {
  p.lineLoadCount = 1;
  p.lineLoads[1] = LineLoad{200.0f, 2.5f, 10.0f, 270.0f, LoadCase::dead};
  return p;
}

// The numbered value boxes and the named buttons of the editor windows.
inline QLineEdit* Value(QWidget& w, int i) { return w.findChild<QLineEdit*>(QStringLiteral("txtValue_%1").arg(i)); }
inline QPushButton* Button(QWidget& w, const char* name) { return w.findChild<QPushButton*>(QLatin1String(name)); }

struct BeepCounter {
  int count = 0;
  [[nodiscard]] std::function<void()> Beeper() {
    return [this] { ++count; };
  }
};

// Shows the window active, so that focus moves as it does for a user.
inline bool ShowActive(QWidget& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// Replaces the whole text of a box as a user would; an empty text deletes it.
inline void Retype(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  if (text.isEmpty())
    QTest::keyClick(box, Qt::Key_Delete);
  else
    QTest::keyClicks(box, text);
}

inline void Enter(QLineEdit* box, const QString& text) {
  Retype(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

// The focus goes back to a refused box once the focus change in progress is over.
inline void SettleFocus() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

// Retypes the box and leaves it with Tab; returns whether the focus left it.
inline bool TypeAndLeave(QLineEdit* box, const QString& text) {
  Retype(box, text);
  QTest::keyClick(box, Qt::Key_Tab);
  SettleFocus();
  return QApplication::focusWidget() != box;
}

// Runs each step on the modal window of type W that is open at that moment, one step per poll,
// until no steps are left. A step that leaves the window open lets the next step act on it again.
template <typename W>
class ModalScript {
 public:
  using Step = std::function<void(W&)>;

  explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
  }

  // All steps ran and none left its window open for good.
  [[nodiscard]] bool Finished() const { return steps_.empty() && !forcedClose_; }

 private:
  void Poll() {
    if (busy_) return;
    auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
    if (window == nullptr || !window->isVisible()) {
      idlePolls_ = 0;
      return;
    }
    if (steps_.empty()) {
      // A failed step may leave the window open: close it rather than hang the test.
      if (++idlePolls_ > 400) {
        forcedClose_ = true;
        window->reject();
      }
      return;
    }
    busy_ = true;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(*window);
    busy_ = false;
  }

  std::deque<Step> steps_;
  QTimer timer_;
  bool busy_ = false;
  bool forcedClose_ = false;
  int idlePolls_ = 0;
};

}  // namespace kelvadrome::test
