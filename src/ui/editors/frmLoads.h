// SPDX-License-Identifier: GPL-3.0-or-later
// The loads editor: surcharge and its load case, the seismic coefficient and a grid of up to ten
// line loads, edited on a private copy that is written to the project only on Accept.
#pragma once

#include <QColor>
#include <QDialog>
#include <array>

#include "model/ProjectData.h"
#include "report/drawing/TwipsScale.h"
#include "ui/editors/EditorEntry.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvadrome {

// The window height in twips, caption and borders included, for a grid of rowCount rows.
[[nodiscard]] int LoadsWindowHeightTwips(int rowCount, int acceptButtonHeightTwips);

class frmLoads final : public QDialog {
  Q_OBJECT

 public:
  frmLoads(const ProjectData& project, QWidget* parent = nullptr, Beeper beep = SystemBeeper());

  // Writes the surcharge, its load case, the seismic coefficient and the line loads; meant for
  // after Accept.
  void ApplyTo(ProjectData& project) const;

  [[nodiscard]] int RowCount() const { return rowCount_; }
  [[nodiscard]] int CurrentRow() const { return currentRow_; }
  // The background of the cells of grid row `row` (1-based): cyan once left, white while edited.
  [[nodiscard]] QColor RowColour(int row) const;
  // The window height in twips that the sizing rule gave.
  [[nodiscard]] int HeightTwips() const { return heightTwips_; }

  // The "Add", "Insert" and "Delete" buttons.
  void AddRow();
  void InsertRow();
  void DeleteRow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct GridRow {
    std::array<QLineEdit*, 4> cells{};  // load, x, y, direction
    QComboBox* type = nullptr;
  };
  using WorkLoads = std::array<LineLoad, kMaxLineLoads + 1>;

  void BuildGrid();
  void BuildSideControls(const ProjectData& project);
  void SetTabOrder();
  void ShowRows();
  void FillGrid();
  [[nodiscard]] WorkLoads GridLoads() const;
  void ReadGrid() { workLoads_ = GridLoads(); }
  void SizeWindow();
  void FocusCell(int row, int column);
  void SetRowColour(int row, const QColor& colour);
  void LeaveRow(int row);
  // Row (1-based) and column (0..3 text, 4 type) of a grid cell, or row 0.
  [[nodiscard]] std::pair<int, int> CellOf(const QObject* widget) const;
  bool HandleGridKey(int row, int column, const QKeyEvent& key);
  void Accept();
  [[nodiscard]] int Px(double twips) const;
  [[nodiscard]] QRect TwipsRect(int left, int top, int width, int height) const;

  EntryGuard* guard_;
  TwipsScale scale_;
  WorkLoads workLoads_{};
  int rowCount_ = 0;
  int currentRow_ = 1;
  int heightTwips_ = 0;
  std::array<GridRow, kMaxLineLoads> rows_{};
  std::array<QColor, kMaxLineLoads> rowColours_{};
  std::array<QPushButton*, 3> command1_{};  // Add, Insert, Delete
  QLineEdit* txtSurcharge_ = nullptr;
  QComboBox* cmbSurType_ = nullptr;
  QLineEdit* txtSeismic_ = nullptr;
  QLabel* note_ = nullptr;
  QPushButton* command3_ = nullptr;  // Accept
  QPushButton* command4_ = nullptr;  // Cancel
};

}  // namespace kelvadrome
