// SPDX-License-Identifier: GPL-3.0-or-later
// The soil-pressure calculator window: building the controls, taking inputs and showing results.
#include "ui/calculator/CalculatorWindow.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "format/NumberFormat.h"
#include "model/Units.h"
#include "ui/calculator/SoilPicture.h"
#include "ui/calculator/WarningBoxSink.h"

namespace kelvadrome {

namespace {

const QString kCaption = QStringLiteral("Kelvadrome: Soil pressure calculator");

// Captions of the twelve inputs, with their Greek letters and subscripts.
const std::array<const char*, kCalcInputCount> kInputCaptions{
    "Wet density of soil (\u03B3):",
    "Saturated density of soil (\u03B3<sub>s</sub>):",
    "Density of water (\u03B3<sub>w</sub>)",
    "Internal friction angle (\u03C6):",
    "Cohesion (c):",
    "Soil slope (\u03B2):",
    "Wall friction angle (\u03B4):",
    "Wall inclination (\u03B8):",
    "Depth of soil (h):",
    "Depth of water table (h<sub>w</sub>):",
    "Surcharge load (q):",
    "Hor. seismic coefficient (k<sub>h</sub>):",
};

const std::array<const char*, 4> kCommonCaptions{
    "Pressure inclination (\u03B8 + \u03B4):",
    "Water pressure at bottom (P<sub>w</sub>):",
    "Water force (F<sub>w</sub>):",
    "Depth of resultant:",
};

const std::array<const char*, kCalculatorCaseCount> kCaseNames{"lblResultA1", "lblResultA2", "lblResultP1",
                                                               "lblResultP2", "lblResultR"};

[[nodiscard]] QLabel* RichLabel(const QString& html, QWidget* parent) {
  auto* label = new QLabel(html, parent);
  label->setTextFormat(Qt::RichText);
  return label;
}

[[nodiscard]] QLabel* ValueLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

[[nodiscard]] QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

frmCalculator::frmCalculator(const ProjectData& project, QWidget* parent, MessageSink* messages, Beeper beep)
    : QDialog(parent), messages_(messages), beep_(std::move(beep)) {
  setObjectName(QStringLiteral("frmCalculator"));
  setWindowTitle(kCaption);
  setModal(true);
  if (messages_ == nullptr) {
    ownSink_ = std::make_unique<WarningBoxSink>(this);
    messages_ = ownSink_.get();
  }

  auto* inputs = new QGridLayout;
  BuildInputs(inputs);
  picture_ = new SoilPicture(this);
  auto* top = new QHBoxLayout;
  top->addLayout(inputs);
  top->addSpacing(16);
  top->addWidget(picture_, 1);

  auto* results = new QGridLayout;
  BuildResults(results);

  auto* common = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    common->addWidget(RichLabel(QString::fromUtf8(kCommonCaptions[i]), this), i, 0);
    commonResults_[i] = ValueLabel(QStringLiteral("lblResult_%1").arg(i), this);
    commonResults_[i]->setMinimumWidth(70);
    common->addWidget(commonResults_[i], i, 1);
    commonUnits_[i] = new QLabel(this);
    commonUnits_[i]->setObjectName(QStringLiteral("lblUnitResult_%1").arg(i));
    common->addWidget(commonUnits_[i], i, 2);
  }
  common->setColumnMinimumWidth(2, 60);

  printButton_ = new QPushButton(QStringLiteral("&Print"), this);
  printButton_->setObjectName(QStringLiteral("Command2"));
  printButton_->setAutoDefault(false);
  printButton_->setEnabled(false);
  closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
  closeButton_->setObjectName(QStringLiteral("Command1"));
  closeButton_->setAutoDefault(false);
  connect(printButton_, &QPushButton::clicked, this, &frmCalculator::Print);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(printButton_);
  buttons->addWidget(closeButton_);

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(common);
  bottom->addStretch(1);
  bottom->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(10);
  layout->addLayout(results);
  layout->addSpacing(10);
  layout->addLayout(bottom);

  FillUnits(project.unitSystem);
  inputs_ = CalculatorInitialValues(project);
  for (int i = 0; i < kCalcInputCount; ++i) inputBoxes_[i]->setText(Q(FormatNumber(inputs_[i], "#0.#0")));
  Recompute();
}

frmCalculator::~frmCalculator() = default;

void frmCalculator::BuildInputs(QGridLayout* grid) {
  for (int i = 0; i < kCalcInputCount; ++i) {
    grid->addWidget(RichLabel(QString::fromUtf8(kInputCaptions[i]), this), i, 0);
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("txtValue_%1").arg(i));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(80);
    inputBoxes_[i] = box;
    grid->addWidget(box, i, 1);
    inputUnits_[i] = new QLabel(this);
    inputUnits_[i]->setObjectName(QStringLiteral("lblUnit_%1").arg(i));
    grid->addWidget(inputUnits_[i], i, 2);
    new EntryValidator(box, [this, i](const QString& text) { return AcceptInput(i, text); }, [this] { beep_(); });
  }
  grid->setColumnMinimumWidth(2, 60);
  grid->setVerticalSpacing(3);
}

void frmCalculator::BuildResults(QGridLayout* grid) {
  const auto heading = [this](const char* text, bool bold) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
      QFont font = label->font();
      font.setBold(true);
      label->setFont(font);
    }
    return label;
  };
  grid->addWidget(heading("Active", true), 0, 1, 1, 2);
  grid->addWidget(heading("Passive", true), 0, 3, 1, 2);
  grid->addWidget(heading("At rest", true), 0, 5);
  for (int c = 0; c < kCalculatorCaseCount; ++c)
    grid->addWidget(heading(IsSeismicCase(c) ? "Seismic condition" : "Normal condition", false), 1, c + 1);

  // Grid row of each result row; the two group captions take rows of their own.
  constexpr std::array<int, kCalculatorResultRows> kGridRow{2, 4, 5, 6, 8, 9, 10, 11, 12, 13};
  constexpr std::array<const char*, kCalculatorResultRows> kRowCaptions{
      "Pressure coefficient (K):", "At top of wall:",     "At water table:", "At bottom of wall:",
      "Above water table:",        "Depth of resultant:", "Below water table:", "Depth of resultant:",
      "Total:",                    "Depth of resultant:"};
  grid->addWidget(new QLabel(QStringLiteral("Soil pressures (P):"), this), 3, 0);
  grid->addWidget(new QLabel(QStringLiteral("Soil forces (F):"), this), 7, 0);
  for (int row = 0; row < kCalculatorResultRows; ++row) {
    auto* caption = new QLabel(QString::fromUtf8(kRowCaptions[row]), this);
    if (row > 0) caption->setIndent(16);
    grid->addWidget(caption, kGridRow[row], 0);
    for (int c = 0; c < kCalculatorCaseCount; ++c) {
      caseResults_[c][row] = ValueLabel(QStringLiteral("%1_%2").arg(QLatin1String(kCaseNames[c])).arg(row), this);
      // Numbers stay right-aligned but end under the middle of their heading.
      caseResults_[c][row]->setContentsMargins(0, 0, c == kCaseR ? 8 : 22, 0);
      grid->addWidget(caseResults_[c][row], kGridRow[row], c + 1);
    }
    resultUnits_[row] = new QLabel(this);
    resultUnits_[row]->setObjectName(QStringLiteral("lblUnitResultB_%1").arg(row));
    grid->addWidget(resultUnits_[row], kGridRow[row], 6);
  }
  for (int c = 1; c <= kCalculatorCaseCount; ++c) {
    grid->setColumnMinimumWidth(c, 105);
    grid->setColumnStretch(c, 1);
  }
  grid->setColumnMinimumWidth(6, 60);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(2);
}

void frmCalculator::FillUnits(UnitSystem unitSystem) {
  const QString unitWeight = Q(UnitLabel(UnitQuantity::unitWeight, unitSystem));
  const QString angle = Q(UnitLabel(UnitQuantity::angle, unitSystem));
  const QString length = Q(UnitLabel(UnitQuantity::length, unitSystem));
  const QString pressure = Q(UnitLabel(UnitQuantity::pressure, unitSystem));
  const QString forcePerLength = Q(ForcePerLengthLabel(unitSystem));
  const std::array<QString, kCalcInputCount> inputUnits{
      unitWeight, unitWeight, unitWeight, angle,  Q(UnitLabel(UnitQuantity::stress, unitSystem)),
      angle,      angle,      angle,      length, length,
      pressure,   QString()};
  for (int i = 0; i < kCalcInputCount; ++i) inputUnits_[i]->setText(inputUnits[i]);
  const std::array<QString, kCalculatorResultRows> resultUnits{
      QString(), pressure, pressure, pressure, forcePerLength, length, forcePerLength, length, forcePerLength, length};
  for (int row = 0; row < kCalculatorResultRows; ++row) resultUnits_[row]->setText(resultUnits[row]);
  const std::array<QString, 4> commonUnits{angle, pressure, forcePerLength, length};
  for (int i = 0; i < 4; ++i) commonUnits_[i]->setText(commonUnits[i]);
}

void frmCalculator::SetPrinting(Printing printing) {
  printing_ = std::move(printing);
  printButton_->setEnabled(static_cast<bool>(printing_.print) && results_.has_value());
}

bool frmCalculator::AcceptInput(int index, const QString& text) {
  const std::optional<double> value = ParseEnteredNumber(text.toStdString());
  if (!value || *value < 0) {
    picture_->lower();
    return false;
  }
  inputs_[index] = static_cast<float>(*value);
  inputBoxes_[index]->setText(Q(FormatNumber(inputs_[index], "#0.#0")));
  Recompute();
  return true;
}

void frmCalculator::Recompute() {
  try {
    results_ = ComputeSoilPressure(inputs_, *messages_);
  } catch (const std::exception& fault) {
    results_.reset();
    messages_->Warn(fault.what());
  }
  if (results_ && results_->slopeAdjusted) {
    // The box shows what was computed with, so the rule does not fire again on the next input.
    inputs_[kCalcSoilSlope] = results_->slopeUsed;
    inputBoxes_[kCalcSoilSlope]->setText(Q(FormatNumber(results_->slopeUsed, "#0.#0")));
  }
  ShowResults();
}

void frmCalculator::ShowResults() {
  for (int c = 0; c < kCalculatorCaseCount; ++c) {
    std::array<std::string, kCalculatorResultRows> texts;
    if (results_) {
      texts = CalculatorCaseTexts(results_->cases[c], IsSeismicCase(c));
    } else {
      texts.fill("N/A");
    }
    for (int row = 0; row < kCalculatorResultRows; ++row) caseResults_[c][row]->setText(Q(texts[row]));
  }
  std::array<std::string, 4> common{"N/A", "N/A", "N/A", "N/A"};
  if (results_) common = CalculatorCommonTexts(*results_);
  for (int i = 0; i < 4; ++i) commonResults_[i]->setText(Q(common[i]));
  std::optional<CalculatorCaseResult> active;
  if (results_ && results_->cases[kCaseA1].available) active = results_->cases[kCaseA1];
  picture_->SetLayer(inputs_, active);
  printButton_->setEnabled(static_cast<bool>(printing_.print) && results_.has_value());
}

void frmCalculator::Print() {
  if (!printing_.print || !results_) return;
  // The caption says the page is being printed: not while the user is still choosing a printer.
  if (printing_.choose && !printing_.choose(this)) return;
  std::optional<std::string> fault;
  setWindowTitle(kCaption + QStringLiteral(" (Printing .....)"));
  try {
    printing_.print(inputs_, *results_);
  } catch (const std::exception& error) {
    fault = error.what();
  }
  setWindowTitle(kCaption);
  if (fault) messages_->Warn(*fault);
}

void frmCalculator::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    // On a screen smaller than the window the title bar and the left edge stay on the screen.
    move(std::max(area.x(), area.x() + (area.width() - frameGeometry().width()) / 2),
         std::max(area.y(), area.y() + (area.height() - frameGeometry().height()) / 2));
  }
}

}  // namespace kelvadrome
