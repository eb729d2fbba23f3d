// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser window (Calculate > "Optimise dimensions…"): the targets, the variables with
// their bounds and the unit prices; Start runs the search off the window's thread with a progress
// bar, the candidates analysed per second and the best cost so far; Cancel stops it and keeps
// the best wall found. Afterwards the ten cheapest walls fill a table, the selected one is drawn,
// and Apply hands the project with that wall back as one change.
#pragma once

#include <QDialog>
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "engine/Optimiser.h"
#include "model/ProjectData.h"
#include "ui/calculator/NumericEntry.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace kelvadrome {

class WallSketch;

class frmOptimise final : public QDialog {
  Q_OBJECT
 public:
  // change(name, project) stores a changed project: the settings when a run starts
  // ("optimiser settings"), the selected wall with the settings on Apply ("optimise").
  using ChangeFunction = std::function<void(const QString& name, const ProjectData& project)>;

  frmOptimise(const ProjectData& project, QWidget* parent, Beeper beep, ChangeFunction change);
  ~frmOptimise() override;

  [[nodiscard]] bool IsRunning() const { return running_; }
  [[nodiscard]] const std::optional<OptimiserResult>& Result() const { return result_; }

  [[nodiscard]] QPushButton* StartButton() const { return start_; }
  [[nodiscard]] QPushButton* CancelButton() const { return cancel_; }
  [[nodiscard]] QPushButton* ApplyButton() const { return apply_; }
  [[nodiscard]] QTableWidget* Table() const { return table_; }
  [[nodiscard]] QProgressBar* Progress() const { return progress_; }
  [[nodiscard]] QLabel* Status() const { return status_; }
  [[nodiscard]] QLabel* BestCost() const { return bestCost_; }
  [[nodiscard]] QLabel* Rate() const { return rate_; }
  // Target `check` (0 sliding .. 4 global) without (0) or with (1) seismic load.
  [[nodiscard]] QLineEdit* TargetBox(int set, int check) const { return targets_.at(set).at(check); }
  [[nodiscard]] QCheckBox* VaryBox(int dimension) const { return vary_.at(dimension); }
  [[nodiscard]] QLineEdit* MinimumBox(int dimension) const { return minimum_.at(dimension); }
  [[nodiscard]] QLineEdit* MaximumBox(int dimension) const { return maximum_.at(dimension); }
  [[nodiscard]] QLineEdit* PriceBox(int index) const { return prices_.at(index); }

  // Starts a run as the Start button does; false when a box holds no valid value (the box gets
  // the focus and the status says why) or the settings cannot be used.
  bool StartRun();
  void CancelRun();
  // Blocks until the running search has ended and its result is shown (for tests and closing).
  void WaitForRun();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QWidget* BuildSettings();
  QWidget* BuildResults();
  void FillSettings();
  std::optional<ProjectData> ReadSettings();
  void ShowProgress(const OptimiserProgress& progress);
  void Finished(const OptimiserResult& result);
  void ShowSelected();
  void ApplySelected();
  void SetRunning(bool running);

  ProjectData project_;
  Beeper beep_;
  ChangeFunction change_;
  std::array<std::array<QLineEdit*, 5>, 2> targets_{};
  std::array<QCheckBox*, 3> switches_{};
  std::array<QCheckBox*, kOptimisedDimensionCount> vary_{};
  std::array<QLineEdit*, kOptimisedDimensionCount> minimum_{};
  std::array<QLineEdit*, kOptimisedDimensionCount> maximum_{};
  std::array<QLineEdit*, 3> prices_{};
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* close_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* rate_ = nullptr;
  QLabel* bestCost_ = nullptr;
  QLabel* status_ = nullptr;
  QTableWidget* table_ = nullptr;
  WallSketch* sketch_ = nullptr;

  bool running_ = false;
  std::chrono::steady_clock::time_point started_;
  ProjectData runProject_;  // the project with the settings of the run
  std::optional<OptimiserResult> result_;
  std::jthread worker_;  // last member: joined first when the window goes
};

}  // namespace kelvadrome
