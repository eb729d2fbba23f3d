// SPDX-License-Identifier: GPL-3.0-or-later
// The reinforcement window `frmRein`: the design of the six columns (stem, toe and heel, each
// face) with forces, capacities, bars, crack control, shear, warnings and notes, and a page of
// the forces of every combination. The user may overwrite the bars of a column; the column is
// then recomputed at once and the reinforcement counts as the user's. The window works on its
// own copies of the project and the design and hands every edit back as a change.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "engine/DesignResults.h"
#include "ui/calculator/NumericEntry.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QGridLayout;

namespace kelvadrome {

class ReinforcementForces;
class ReinforcementQuantities;

// Value rows of the design grid that hold one label per design column.
enum class ReinRow { M, N, h, Mu, Asreq, As, Rho, Mz, Nz, Z };
inline constexpr int kReinRowCount = 10;
// Rows that hold one label per section.
enum class ReinShearRow { V, Nv, Vu };
inline constexpr int kReinShearRowCount = 3;
// The warnings: 1 Mu < M, 2 ρ < ρmin, 3 ρ > 0.75 ρb, 4 z > zmax (per column), 5 Vu < V (per section).
inline constexpr int kColumnWarningCount = 4;

class frmRein final : public QDialog {
  Q_OBJECT
 public:
  // change(name, edit) hands back an edit the window made to its copy, for the project itself:
  // "reinforcement" for the user's bars, "prices" for a unit price.
  using ChangeFunction = std::function<void(const QString& name, const std::function<void(ProjectData&)>& edit)>;

  frmRein(const ProjectData& project, const DesignResults& design, QWidget* parent = nullptr,
          Beeper beep = SystemBeeper(), ChangeFunction change = {});

  // The window's copies, with the user's edits.
  [[nodiscard]] const ProjectData& Project() const { return project_; }
  [[nodiscard]] const DesignResults& Design() const { return design_; }

  // Fills the unit labels, the six columns and the notes again.
  void FillAll();

  [[nodiscard]] QTabWidget* Pages() const { return pages_; }
  [[nodiscard]] ReinforcementForces* ForcesPage() const { return forces_; }
  [[nodiscard]] ReinforcementQuantities* QuantitiesPage() const { return quantities_; }
  [[nodiscard]] QPushButton* Command1() const { return closeButton_; }
  // Design column 1..6.
  [[nodiscard]] QLabel* ColumnValue(ReinRow row, int column) const {
    return columnValues_.at(static_cast<int>(row)).at(column);
  }
  // Section 1..3.
  [[nodiscard]] QLabel* SectionValue(ReinShearRow row, int section) const {
    return sectionValues_.at(static_cast<int>(row)).at(section);
  }
  // Index 0..5 for column 1..6, as in the window.
  [[nodiscard]] QLineEdit* txtReinDia(int index) const { return diameterBoxes_.at(index); }
  [[nodiscard]] QLineEdit* txtReinPitch(int index) const { return pitchBoxes_.at(index); }
  [[nodiscard]] QLabel* lblUnitRein(int index) const { return unitLabels_.at(index); }
  // Warning 1..4 of column 1..6 (lblReinEva1..4), shown only while its condition holds.
  [[nodiscard]] QLabel* ColumnWarning(int warning, int column) const { return columnWarnings_.at(warning).at(column); }
  // Vu < V of section 1..3 (lblReinEva5).
  [[nodiscard]] QLabel* ShearWarning(int section) const { return shearWarnings_.at(section); }
  [[nodiscard]] QLabel* lblNote(int index) const { return notes_.at(index); }

 private:
  QWidget* BuildDesignPage();
  void BuildHeader(QGridLayout* grid, QWidget* page);
  int AddGroup(QGridLayout* grid, QWidget* page, int gridRow, const QString& caption);
  QLabel* AddCaption(QGridLayout* grid, QWidget* page, int gridRow, const QString& html);
  void FillUnits();
  void FillNotes();
  void FillColumn(int column);
  void FillSection(int section);
  bool AcceptBar(int column, bool diameter, const QString& text);

  ProjectData project_;
  DesignResults design_;
  Beeper beep_;
  ChangeFunction change_;

  QTabWidget* pages_ = nullptr;
  ReinforcementForces* forces_ = nullptr;
  ReinforcementQuantities* quantities_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  std::array<std::array<QLabel*, kDesignColumnCount + 1>, kReinRowCount> columnValues_{};
  std::array<std::array<QLabel*, kDesignSectionCount + 1>, kReinShearRowCount> sectionValues_{};
  std::array<QLineEdit*, kDesignColumnCount> diameterBoxes_{};
  std::array<QLineEdit*, kDesignColumnCount> pitchBoxes_{};
  std::array<QLabel*, 14> unitLabels_{};
  std::array<std::array<QLabel*, kDesignColumnCount + 1>, kColumnWarningCount + 1> columnWarnings_{};
  std::array<QLabel*, kDesignSectionCount + 1> shearWarnings_{};
  std::array<QLabel*, 3> notes_{};
};

}  // namespace kelvadrome
