// Helpers of the editor window tests: a counting beeper and a driver that acts on modal windows
// while the code under test waits in their exec().
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace kelvadrome::test {

struct BeepCounter {
  int count = 0;
  [[nodiscard]] std::function<void()> Beeper() {
    return [this] { ++count; };
  }
};

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
  [[nodiscard]] int StepsRun() const { return run_; }

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
    ++run_;
    step(*window);
    busy_ = false;
  }

  std::deque<Step> steps_;
  QTimer timer_;
  bool busy_ = false;
  bool forcedClose_ = false;
  int run_ = 0;
  int idlePolls_ = 0;
};

}  // namespace kelvadrome::test
