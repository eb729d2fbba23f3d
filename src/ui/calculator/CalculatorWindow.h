// SPDX-License-Identifier: GPL-3.0-or-later
// The soil-pressure calculator window `frmCalculator`: twelve inputs taken from the project, the
// results of the five cases and of the water, the picture of the layer, Print and Close. Every
// accepted input recomputes everything; nothing is written back to the project.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "calculator/SoilPressureCalculator.h"
#include "ui/calculator/CalculatorDisplay.h"
#include "ui/calculator/NumericEntry.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvadrome {

class SoilPicture;

class frmCalculator final : public QDialog {
  Q_OBJECT
 public:
  // What the Print button does, for the inputs and results on the screen: choose asks for the
  // printer over the window (false when the user cancelled), print prints the page and throws
  // when it cannot. Without choose the page is printed at once.
  struct Printing {
    std::function<bool(QWidget* parent)> choose;
    std::function<void(const CalculatorInputs&, const CalculatorResults&)> print;
  };

  // messages receives the slope message and run-time faults; without one they are shown in a
  // warning box. beep is the sound of a refused entry.
  explicit frmCalculator(const ProjectData& project, QWidget* parent = nullptr, MessageSink* messages = nullptr,
                         Beeper beep = SystemBeeper());
  ~frmCalculator() override;

  // The Print button ("&Print"); without a print step the button is disabled.
  void SetPrinting(Printing printing);

  [[nodiscard]] const CalculatorInputs& Inputs() const { return inputs_; }
  // Empty when the last computation failed.
  [[nodiscard]] const std::optional<CalculatorResults>& Results() const { return results_; }

  // Controls, by the names the window gives them.
  [[nodiscard]] QLineEdit* txtValue(int index) const { return inputBoxes_.at(index); }
  [[nodiscard]] QLabel* lblUnit(int index) const { return inputUnits_.at(index); }
  // The value of row 0-9 in case column kCaseA1 ... kCaseR (lblResultA1 ... lblResultR).
  [[nodiscard]] QLabel* lblCaseResult(int caseIndex, int row) const { return caseResults_.at(caseIndex).at(row); }
  [[nodiscard]] QLabel* lblUnitResultB(int row) const { return resultUnits_.at(row); }
  [[nodiscard]] QLabel* lblResult(int index) const { return commonResults_.at(index); }
  [[nodiscard]] QLabel* lblUnitResult(int index) const { return commonUnits_.at(index); }
  [[nodiscard]] QPushButton* Command1() const { return closeButton_; }
  [[nodiscard]] QPushButton* Command2() const { return printButton_; }
  [[nodiscard]] SoilPicture* pctSoil() const { return picture_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildInputs(QGridLayout* grid);
  void BuildResults(QGridLayout* grid);
  void FillUnits(UnitSystem unitSystem);
  bool AcceptInput(int index, const QString& text);
  void Recompute();
  void ShowResults();
  void Print();

  CalculatorInputs inputs_{};
  std::optional<CalculatorResults> results_;
  std::unique_ptr<MessageSink> ownSink_;
  MessageSink* messages_ = nullptr;
  Beeper beep_;
  Printing printing_;
  bool centred_ = false;

  std::array<QLineEdit*, kCalcInputCount> inputBoxes_{};
  std::array<QLabel*, kCalcInputCount> inputUnits_{};
  std::array<std::array<QLabel*, kCalculatorResultRows>, kCalculatorCaseCount> caseResults_{};
  std::array<QLabel*, kCalculatorResultRows> resultUnits_{};
  std::array<QLabel*, 4> commonResults_{};
  std::array<QLabel*, 4> commonUnits_{};
  QPushButton* printButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  SoilPicture* picture_ = nullptr;
};

}  // namespace kelvadrome
