// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser window: settings, the run on a worker thread, and the table of results.
#include "ui/main/OptimiserWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include "engine/QuantityLines.h"
#include "format/NumberFormat.h"
#include "model/OptimiserDefaults.h"
#include "model/Units.h"
#include "ui/main/WallSketch.h"

namespace kelvadrome {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString Number(double value) { return Q(FormatNumber(value, "#0.#0")); }

constexpr std::array<const char*, 5> kTargetCaptions{"Sliding", "Overturning", "Base pressure", "Bearing",
                                                     "Global stability"};
constexpr std::array<float TargetFactors::*, 5> kTargetFields{
    &TargetFactors::sliding, &TargetFactors::overturning, &TargetFactors::pressure, &TargetFactors::bearing,
    &TargetFactors::global};
constexpr std::array<float UnitPrices::*, 3> kPriceFields{&UnitPrices::concretePrice, &UnitPrices::formworkPrice,
                                                          &UnitPrices::steelPrice};
// The progress shown at most this often: the search reports after every batch.
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

QLineEdit* NumberBox(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setAlignment(Qt::AlignRight);
  box->setMaximumWidth(70);
  return box;
}

bool* SwitchField(OptimiserTargets& t, int index) {
  return index == 0 ? &t.resultantRule : index == 1 ? &t.bearingCheck : &t.globalCheck;
}

}  // namespace

frmOptimise::frmOptimise(const ProjectData& project, QWidget* parent, Beeper beep, ChangeFunction change)
    : QDialog(parent), project_(project), beep_(std::move(beep)), change_(std::move(change)) {
  setObjectName(QStringLiteral("frmOptimise"));
  setWindowTitle(QStringLiteral("Kelvadrome: Optimise dimensions"));
  setModal(true);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildSettings());
  layout->addWidget(BuildResults(), 1);
  FillSettings();
  SetRunning(false);
}

frmOptimise::~frmOptimise() {
  worker_.request_stop();
  if (worker_.joinable()) worker_.join();
}

QWidget* frmOptimise::BuildSettings() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* targets = new QGroupBox(QStringLiteral("Targets (least safety factors)"), panel);
  auto* tg = new QGridLayout(targets);
  tg->addWidget(new QLabel(QStringLiteral("Without seismic load"), targets), 0, 1);
  tg->addWidget(new QLabel(QStringLiteral("With seismic load"), targets), 0, 2);
  for (int c = 0; c < 5; ++c) {
    tg->addWidget(new QLabel(QString::fromLatin1(kTargetCaptions[static_cast<std::size_t>(c)]), targets), c + 1, 0);
    for (int set = 0; set < 2; ++set) {
      QLineEdit* box = NumberBox(targets, QStringLiteral("txtTarget%1%2").arg(set).arg(c));
      targets_[static_cast<std::size_t>(set)][static_cast<std::size_t>(c)] = box;
      tg->addWidget(box, c + 1, set + 1);
    }
  }
  const std::array<QString, 3> switchCaptions{QStringLiteral("Resultant in the middle third (half with seismic load)"),
                                              QStringLiteral("Check the bearing resistance"),
                                              QStringLiteral("Check the global stability (slow)")};
  for (int i = 0; i < 3; ++i) {
    auto* box = new QCheckBox(switchCaptions[static_cast<std::size_t>(i)], targets);
    box->setObjectName(QStringLiteral("chkTarget%1").arg(i));
    switches_[static_cast<std::size_t>(i)] = box;
    tg->addWidget(box, 6 + i, 0, 1, 3);
  }
  column->addWidget(targets);

  const QString length = Q(UnitLabel(UnitQuantity::length, project_.unitSystem));
  auto* variables = new QGroupBox(QStringLiteral("Dimensions (%1)").arg(length), panel);
  auto* vg = new QGridLayout(variables);
  vg->addWidget(new QLabel(QStringLiteral("Vary"), variables), 0, 0);
  vg->addWidget(new QLabel(QStringLiteral("Minimum"), variables), 0, 1);
  vg->addWidget(new QLabel(QStringLiteral("Maximum"), variables), 0, 2);
  for (int d = 0; d < kOptimisedDimensionCount; ++d) {
    const auto s = static_cast<std::size_t>(d);
    vary_[s] = new QCheckBox(Q(OptimisedDimensionCaption(d)), variables);
    vary_[s]->setObjectName(QStringLiteral("chkVary%1").arg(d));
    minimum_[s] = NumberBox(variables, QStringLiteral("txtMinimum%1").arg(d));
    maximum_[s] = NumberBox(variables, QStringLiteral("txtMaximum%1").arg(d));
    vg->addWidget(vary_[s], d + 1, 0);
    vg->addWidget(minimum_[s], d + 1, 1);
    vg->addWidget(maximum_[s], d + 1, 2);
  }
  auto* step = new QLabel(QStringLiteral("Step %1 %2; the depth of the base stays.")
                              .arg(project_.unitSystem == kBritish ? QStringLiteral("2") : QStringLiteral("0.05"),
                                   project_.unitSystem == kBritish ? QStringLiteral("in") : length),
                          variables);
  vg->addWidget(step, kOptimisedDimensionCount + 1, 0, 1, 3);
  column->addWidget(variables);

  auto* prices = new QGroupBox(QStringLiteral("Unit prices"), panel);
  auto* pg = new QGridLayout(prices);
  const std::vector<QuantityLine> lines = PriceLines(project_.prices, project_.unitSystem);
  for (int i = 0; i < 3; ++i) {
    const auto s = static_cast<std::size_t>(i);
    pg->addWidget(new QLabel(Q(lines[s].caption), prices), i, 0);
    prices_[s] = NumberBox(prices, QStringLiteral("txtPrice%1").arg(i));
    pg->addWidget(prices_[s], i, 1);
    pg->addWidget(new QLabel(Q(lines[s].unit), prices), i, 2);
  }
  column->addWidget(prices);
  column->addStretch(1);
  return panel;
}

QWidget* frmOptimise::BuildResults() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* buttons = new QHBoxLayout;
  start_ = new QPushButton(QStringLiteral("Start"), panel);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), panel);
  apply_ = new QPushButton(QStringLiteral("Apply"), panel);
  close_ = new QPushButton(QStringLiteral("Close"), panel);
  for (QPushButton* b : {start_, cancel_, apply_, close_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  connect(start_, &QPushButton::clicked, this, [this] { StartRun(); });
  connect(cancel_, &QPushButton::clicked, this, &frmOptimise::CancelRun);
  connect(apply_, &QPushButton::clicked, this, &frmOptimise::ApplySelected);
  connect(close_, &QPushButton::clicked, this, &frmOptimise::reject);
  column->addLayout(buttons);

  progress_ = new QProgressBar(panel);
  progress_->setRange(0, 1000);
  progress_->setTextVisible(false);
  column->addWidget(progress_);
  auto* figures = new QHBoxLayout;
  rate_ = new QLabel(panel);
  bestCost_ = new QLabel(panel);
  figures->addWidget(rate_);
  figures->addSpacing(24);
  figures->addWidget(bestCost_);
  figures->addStretch(1);
  column->addLayout(figures);
  status_ = new QLabel(panel);
  status_->setWordWrap(true);
  column->addWidget(status_);

  table_ = new QTableWidget(kOptimiserWallCount, kOptimisedDimensionCount + 2, panel);
  table_->setObjectName(QStringLiteral("tblWalls"));
  QStringList headers;
  for (int d = 0; d < kOptimisedDimensionCount; ++d) headers << Q(OptimisedDimensionCaption(d)).replace(' ', '\n');
  headers << QStringLiteral("Cost") << QStringLiteral("Governing\ncheck");
  table_->setHorizontalHeaderLabels(headers);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // Cost and the governing check are what a reader compares first: show them before the
  // dimensions, so that they are in view without scrolling.
  table_->horizontalHeader()->moveSection(kOptimisedDimensionCount, 0);
  table_->horizontalHeader()->moveSection(kOptimisedDimensionCount + 1, 1);
  connect(table_, &QTableWidget::itemSelectionChanged, this, &frmOptimise::ShowSelected);
  column->addWidget(table_, 1);

  sketch_ = new WallSketch(panel);
  sketch_->setMinimumHeight(220);
  column->addWidget(sketch_);
  return panel;
}

void frmOptimise::FillSettings() {
  const OptimiserTargets& t = project_.optimiserTargets;
  for (int set = 0; set < 2; ++set) {
    const TargetFactors& f = set == 0 ? t.withoutSeismic : t.withSeismic;
    for (std::size_t c = 0; c < 5; ++c) targets_[static_cast<std::size_t>(set)][c]->setText(Number(f.*kTargetFields[c]));
  }
  OptimiserTargets copy = t;
  for (int i = 0; i < 3; ++i) switches_[static_cast<std::size_t>(i)]->setChecked(*SwitchField(copy, i));
  for (std::size_t d = 0; d < vary_.size(); ++d) {
    const OptimiserVariable& v = project_.optimiserVariables[d];
    vary_[d]->setChecked(v.vary);
    minimum_[d]->setText(Number(v.minimum));
    maximum_[d]->setText(Number(v.maximum));
  }
  for (std::size_t i = 0; i < 3; ++i) prices_[i]->setText(Number(project_.prices.*kPriceFields[i]));
}

// The project with the settings of the boxes. A box without a number of 0 or more beeps, takes
// the focus and says so; the project is then not changed.
std::optional<ProjectData> frmOptimise::ReadSettings() {
  ProjectData p = project_;
  bool ok = true;
  const auto read = [&](QLineEdit* box, float& field) {
    if (!ok) return;
    const std::optional<double> value = ParseEnteredNumber(box->text().toStdString());
    if (!value || *value < 0 || *value > 1e30) {
      ok = false;
      if (beep_) beep_();
      box->setFocus();
      box->selectAll();
      status_->setText(QStringLiteral("Enter a number of 0 or more."));
      return;
    }
    field = static_cast<float>(*value);
  };
  for (int set = 0; set < 2; ++set) {
    TargetFactors& f = set == 0 ? p.optimiserTargets.withoutSeismic : p.optimiserTargets.withSeismic;
    for (std::size_t c = 0; c < 5; ++c) read(targets_[static_cast<std::size_t>(set)][c], f.*kTargetFields[c]);
  }
  for (int i = 0; i < 3; ++i) {
    *SwitchField(p.optimiserTargets, i) = switches_[static_cast<std::size_t>(i)]->isChecked();
  }
  for (std::size_t d = 0; d < vary_.size(); ++d) {
    OptimiserVariable& v = p.optimiserVariables[d];
    v.vary = vary_[d]->isChecked();
    read(minimum_[d], v.minimum);
    read(maximum_[d], v.maximum);
  }
  for (std::size_t i = 0; i < 3; ++i) read(prices_[i], p.prices.*kPriceFields[i]);
  if (!ok) return std::nullopt;
  return p;
}

bool frmOptimise::StartRun() {
  if (running_) return false;
  const std::optional<ProjectData> settings = ReadSettings();
  if (!settings) return false;
  const std::string problem = OptimiserSettingsProblem(*settings);
  if (!problem.empty()) {
    if (beep_) beep_();
    status_->setText(Q(problem));
    return false;
  }
  if (!(*settings == project_)) {
    project_ = *settings;
    if (change_) change_(QStringLiteral("optimiser settings"), project_);
  }
  runProject_ = project_;
  result_.reset();
  table_->clearContents();
  sketch_->SetWall(std::nullopt);
  progress_->setValue(0);
  rate_->setText(QStringLiteral("Candidates per second: 0"));
  bestCost_->setText(QStringLiteral("Best cost so far: none"));
  status_->setText(QStringLiteral("Searching\u2026"));
  started_ = std::chrono::steady_clock::now();
  SetRunning(true);
  worker_ = std::jthread([this, run = runProject_](std::stop_token stop) {
    OptimiserOptions options;
    options.stop = stop;
    auto last = std::chrono::steady_clock::now() - kProgressInterval;
    options.progress = [this, &last](const OptimiserProgress& p) {
      const auto now = std::chrono::steady_clock::now();
      if (now - last < kProgressInterval) return;
      last = now;
      QMetaObject::invokeMethod(this, [this, p] { ShowProgress(p); }, Qt::QueuedConnection);
    };
    OptimiserResult result = OptimiseWall(run, options);
    QMetaObject::invokeMethod(this, [this, result = std::move(result)] { Finished(result); }, Qt::QueuedConnection);
  });
  return true;
}

void frmOptimise::CancelRun() {
  if (running_) worker_.request_stop();
}

void frmOptimise::WaitForRun() {
  while (running_) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(5);
  }
}

void frmOptimise::ShowProgress(const OptimiserProgress& p) {
  if (!running_) return;
  progress_->setValue(static_cast<int>(p.fraction * 1000));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  if (seconds > 0) {
    rate_->setText(QStringLiteral("Candidates per second: %1").arg(Q(FormatNumber(double(p.evaluated) / seconds, "#0"))));
  }
  bestCost_->setText(QStringLiteral("Best cost so far: %1").arg(p.bestCost ? Number(*p.bestCost) : QStringLiteral("none")));
  status_->setText(QStringLiteral("%1 walls analysed, %2 meet every target.").arg(p.evaluated).arg(p.feasible));
}

void frmOptimise::Finished(const OptimiserResult& result) {
  if (worker_.joinable()) worker_.join();
  result_ = result;
  SetRunning(false);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  if (seconds > 0) {
    rate_->setText(QStringLiteral("Candidates per second: %1").arg(Q(FormatNumber(double(result.evaluated) / seconds, "#0"))));
  }
  progress_->setValue(result.cancelled ? progress_->value() : 1000);
  QString status = QStringLiteral("%1 walls analysed, %2 meet every target, in %3 s.")
                       .arg(result.evaluated)
                       .arg(result.feasible)
                       .arg(Q(FormatNumber(seconds, "#0.#0")));
  if (result.cancelled) status += QStringLiteral(" Cancelled: the walls shown are the best found so far.");
  if (!result.message.empty()) status = Q(result.message) + QStringLiteral(" ") + status;
  status_->setText(status);
  bestCost_->setText(QStringLiteral("Best cost so far: %1")
                         .arg(result.walls.empty() ? QStringLiteral("none") : Number(result.walls.front().evaluation.cost)));
  for (std::size_t row = 0; row < result.walls.size(); ++row) {
    const OptimisedWall& wall = result.walls[row];
    const auto r = static_cast<int>(row);
    for (int d = 0; d < kOptimisedDimensionCount; ++d) {
      auto* item = new QTableWidgetItem(Number(wall.dimensions[static_cast<std::size_t>(d)]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, d, item);
    }
    auto* cost = new QTableWidgetItem(Number(wall.evaluation.quantities.cost));
    cost->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(r, kOptimisedDimensionCount, cost);
    table_->setItem(r, kOptimisedDimensionCount + 1, new QTableWidgetItem(Q(CheckName(wall.governing))));
  }
  if (!result.walls.empty()) table_->selectRow(0);
  apply_->setEnabled(!result.walls.empty());
}

void frmOptimise::ShowSelected() {
  const int row = table_->currentRow();
  if (!result_ || row < 0 || row >= static_cast<int>(result_->walls.size())) {
    sketch_->SetWall(std::nullopt);
    return;
  }
  sketch_->SetWall(WithWallDimensions(runProject_, result_->walls[static_cast<std::size_t>(row)].dimensions));
}

void frmOptimise::ApplySelected() {
  const int row = table_->currentRow();
  if (running_ || !result_ || row < 0 || row >= static_cast<int>(result_->walls.size())) return;
  const ProjectData wall = WithWallDimensions(runProject_, result_->walls[static_cast<std::size_t>(row)].dimensions);
  if (change_) change_(QStringLiteral("optimise"), wall);
  accept();
}

void frmOptimise::SetRunning(bool running) {
  running_ = running;
  start_->setEnabled(!running);
  cancel_->setEnabled(running);
  apply_->setEnabled(!running && result_ && !result_->walls.empty());
  close_->setEnabled(!running);
}

// Closing while the search runs stops it first; the result is not waited for.
void frmOptimise::closeEvent(QCloseEvent* event) {
  worker_.request_stop();
  QDialog::closeEvent(event);
}

void frmOptimise::reject() {
  worker_.request_stop();
  if (worker_.joinable()) worker_.join();
  running_ = false;
  QDialog::reject();
}

}  // namespace kelvadrome
