// SPDX-License-Identifier: GPL-3.0-or-later
// The reinforcement window: building the design grid, filling it from the design results and
// taking the user's bar diameters and pitches.
#include "ui/main/ReinforcementWindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/DesignColumns.h"
#include "engine/DesignDisplay.h"
#include "engine/DesignWarnings.h"
#include "format/NumberFormat.h"
#include "model/Units.h"
#include "ui/main/BusyPointer.h"
#include "ui/main/ReinforcementDisplay.h"
#include "ui/main/ReinforcementForces.h"
#include "ui/main/ReinforcementQuantities.h"

namespace kelvadrome {

namespace {

constexpr int kUnitColumn = 1;
constexpr int kFirstValueColumn = 2;  // grid column of design column 1
constexpr int kRemarkColumn = kFirstValueColumn + kDesignColumnCount;

[[nodiscard]] int GridColumn(int designColumn) { return kFirstValueColumn + designColumn - 1; }

[[nodiscard]] QString Q(const std::string& text) { return QString::fromStdString(text); }

[[nodiscard]] QString Number(double value) { return Q(FormatNumber(value, "#0.#0")); }

const QString kNotAvailable = QStringLiteral("N/A");

// The warnings read as their symbols; the tool tip says them in words.
struct WarningText {
  const char* html;
  const char* explanation;
};
const std::array<WarningText, kColumnWarningCount + 2> kWarnings{{
    {"", ""},
    {"M<sub>u</sub> &lt; M", "The moment capacity is below the design moment."},
    {"\u03C1 &lt; \u03C1<sub>min</sub>", "The steel ratio is below the minimum ratio."},
    {"\u03C1 &gt; 0.75 \u03C1<sub>b</sub>", "The steel ratio is above 0.75 of the balanced ratio."},
    {"z &gt; z<sub>max</sub>", "The crack control factor z is above its limit."},
    {"V<sub>u</sub> &lt; V", "The shear capacity is below the design shear."},
}};

[[nodiscard]] QLabel* WarningLabel(int warning, const QString& name, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(kWarnings[warning].html), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::RichText);
  label->setToolTip(QString::fromUtf8(kWarnings[warning].explanation));
  label->setAlignment(Qt::AlignCenter);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(200, 0, 0));
  label->setPalette(palette);
  return label;
}

[[nodiscard]] QLabel* ValueLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setContentsMargins(0, 0, 6, 0);
  return label;
}

}  // namespace

frmRein::frmRein(const ProjectData& project, const DesignResults& design, QWidget* parent, Beeper beep,
                 ChangeFunction change)
    : QDialog(parent), project_(project), design_(design), beep_(std::move(beep)), change_(std::move(change)) {
  const BusyPointer busy;
  setObjectName(QStringLiteral("frmRein"));
  setWindowTitle(QStringLiteral("Kelvadrome: Reinforced concrete design (ACI 318)"));
  setModal(true);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("Picture2"));
  pages_->addTab(BuildDesignPage(), QStringLiteral("Reinforcements"));
  forces_ = new ReinforcementForces(project_, design_, this);
  pages_->addTab(forces_, QStringLiteral("Forces"));
  quantities_ = new ReinforcementQuantities(project_, this, beep_, [this] {
    if (change_) change_(QStringLiteral("prices"), [prices = project_.prices](ProjectData& p) { p.prices = prices; });
  });
  pages_->addTab(quantities_, QStringLiteral("Quantities"));

  closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
  closeButton_->setObjectName(QStringLiteral("Command1"));
  closeButton_->setAutoDefault(false);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(closeButton_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);

  FillAll();
  pages_->setCurrentIndex(0);
}

QLabel* frmRein::AddCaption(QGridLayout* grid, QWidget* page, int gridRow, const QString& html) {
  auto* caption = new QLabel(html, page);
  caption->setTextFormat(Qt::RichText);
  caption->setIndent(14);
  grid->addWidget(caption, gridRow, 0);
  return caption;
}

int frmRein::AddGroup(QGridLayout* grid, QWidget* page, int gridRow, const QString& caption) {
  auto* line = new QFrame(page);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  grid->addWidget(line, gridRow, 0, 1, kRemarkColumn + 1);
  auto* label = new QLabel(caption, page);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  grid->addWidget(label, gridRow + 1, 0);
  return gridRow + 2;
}

void frmRein::BuildHeader(QGridLayout* grid, QWidget* page) {
  const auto bold = [page](const QString& text, Qt::Alignment align) {
    auto* label = new QLabel(text, page);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(align);
    return label;
  };
  grid->addWidget(bold(QStringLiteral("Item"), Qt::AlignLeft | Qt::AlignVCenter), 0, 0);
  grid->addWidget(bold(QStringLiteral("Unit"), Qt::AlignLeft | Qt::AlignVCenter), 0, kUnitColumn);
  const std::array<QString, kDesignSectionCount + 1> sections{QString(), QStringLiteral("Stem"), QStringLiteral("Toe"),
                                                              QStringLiteral("Heel")};
  for (int s = 1; s <= kDesignSectionCount; ++s) {
    grid->addWidget(bold(sections[s], Qt::AlignCenter), 0, GridColumn(2 * s - 1), 1, 2);
    grid->addWidget(bold(QStringLiteral("M-"), Qt::AlignRight | Qt::AlignVCenter), 1, GridColumn(2 * s - 1));
    grid->addWidget(bold(QStringLiteral("M+"), Qt::AlignRight | Qt::AlignVCenter), 1, GridColumn(2 * s));
  }
  grid->addWidget(bold(QStringLiteral("Remark"), Qt::AlignLeft | Qt::AlignVCenter), 0, kRemarkColumn);
}

QWidget* frmRein::BuildDesignPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(3);
  BuildHeader(grid, page);

  int unitIndex = 0;
  const auto addUnit = [&](int gridRow) {
    auto* unit = new QLabel(page);
    unit->setObjectName(QStringLiteral("lblUnitRein_%1").arg(unitIndex));
    unitLabels_[unitIndex++] = unit;
    grid->addWidget(unit, gridRow, kUnitColumn);
  };
  const auto addColumnRow = [&](int gridRow, ReinRow row, const char* caption, const char* name, bool withUnit) {
    AddCaption(grid, page, gridRow, QString::fromUtf8(caption));
    if (withUnit) addUnit(gridRow);
    for (int c = 1; c <= kDesignColumnCount; ++c) {
      auto* value = ValueLabel(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(c - 1), page);
      columnValues_[static_cast<int>(row)][c] = value;
      grid->addWidget(value, gridRow, GridColumn(c));
    }
  };
  const auto addBarRow = [&](int gridRow, bool diameter) {
    AddCaption(grid, page, gridRow, diameter ? QStringLiteral("Effective diameter") : QStringLiteral("Pitch"));
    addUnit(gridRow);
    for (int c = 1; c <= kDesignColumnCount; ++c) {
      auto* box = new QLineEdit(page);
      box->setObjectName(QStringLiteral("%1_%2").arg(diameter ? "txtReinDia" : "txtReinPitch").arg(c - 1));
      box->setAlignment(Qt::AlignRight);
      box->setFixedWidth(70);
      (diameter ? diameterBoxes_ : pitchBoxes_)[c - 1] = box;
      grid->addWidget(box, gridRow, GridColumn(c), Qt::AlignRight);
      auto* validator = new EntryValidator(
          box, [this, c, diameter](const QString& text) { return AcceptBar(c, diameter, text); }, [this] { beep_(); });
      validator->SetBypassButtonCaption(QStringLiteral("Cancel"));
    }
  };
  const auto addSectionRow = [&](int gridRow, ReinShearRow row, const char* caption, const char* name) {
    AddCaption(grid, page, gridRow, QString::fromUtf8(caption));
    addUnit(gridRow);
    for (int s = 1; s <= kDesignSectionCount; ++s) {
      auto* value = ValueLabel(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(s), page);
      value->setAlignment(Qt::AlignCenter);
      sectionValues_[static_cast<int>(row)][s] = value;
      grid->addWidget(value, gridRow, GridColumn(2 * s - 1), 1, 2);
    }
  };
  const auto addNote = [&](int gridRow, int index) {
    notes_[index] = new QLabel(page);
    notes_[index]->setObjectName(QStringLiteral("lblNote_%1").arg(index));
    notes_[index]->setTextFormat(Qt::RichText);
    grid->addWidget(notes_[index], gridRow, kRemarkColumn);
  };

  int r = AddGroup(grid, page, 2, QStringLiteral("Flexure"));
  addColumnRow(r++, ReinRow::M, "Moment, M ", "lblReinM", true);
  addColumnRow(r++, ReinRow::N, "Compression, N", "lblReinN", true);
  addNote(r, 0);
  addColumnRow(r++, ReinRow::h, "Height, h", "lblReinh", true);
  addColumnRow(r++, ReinRow::Mu, "Moment capacity, M<sub>u</sub>", "lblReinMu", true);
  addColumnRow(r++, ReinRow::Asreq, "Required rebar, A<sub>sreq</sub>", "lblReinAsreq", true);
  addBarRow(r++, true);
  addBarRow(r++, false);
  addColumnRow(r++, ReinRow::As, "Area, A<sub>s</sub>", "lblReinAs", true);
  addNote(r, 1);
  addColumnRow(r++, ReinRow::Rho, "Ratio, \u03C1", "lblReinRho", false);
  r = AddGroup(grid, page, r, QStringLiteral("Crack control"));
  addColumnRow(r++, ReinRow::Mz, "Moment, M ", "lblReinMz", true);
  addColumnRow(r++, ReinRow::Nz, "Normal, N", "lblReinNz", true);
  addNote(r, 2);
  addColumnRow(r++, ReinRow::Z, "Distribution, z", "lblReinZ", true);
  r = AddGroup(grid, page, r, QStringLiteral("Shear"));
  addSectionRow(r++, ReinShearRow::V, "Shear, V", "lblReinV");
  addSectionRow(r++, ReinShearRow::Nv, "Compression, N", "lblReinNv");
  addSectionRow(r++, ReinShearRow::Vu, "Shear capacity, V<sub>u</sub>", "lblReinVu");

  // Warnings: the four of each column under it, the shear warning of each section below them.
  r = AddGroup(grid, page, r, QStringLiteral("Warning"));
  --r;  // the caption shares the row of the first warnings, at its top
  grid->itemAtPosition(r, 0)->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    auto* cell = new QWidget(page);
    auto* stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(1);
    for (int w = 1; w <= kColumnWarningCount; ++w) {
      columnWarnings_[w][c] = WarningLabel(w, QStringLiteral("lblReinEva%1_%2").arg(w).arg(c - 1), cell);
      stack->addWidget(columnWarnings_[w][c]);
    }
    stack->addStretch(1);
    grid->addWidget(cell, r, GridColumn(c), Qt::AlignTop);
  }
  for (int s = 1; s <= kDesignSectionCount; ++s) {
    shearWarnings_[s] = WarningLabel(5, QStringLiteral("lblReinEva5_%1").arg(s), page);
    grid->addWidget(shearWarnings_[s], r + 1, GridColumn(2 * s - 1), 1, 2);
  }
  grid->setRowMinimumHeight(r + 1, 18);
  for (int c = 1; c <= kDesignColumnCount; ++c) grid->setColumnMinimumWidth(GridColumn(c), 78);
  grid->setColumnMinimumWidth(kUnitColumn, 44);
  grid->setColumnMinimumWidth(kRemarkColumn, 140);
  grid->setRowStretch(r + 2, 1);
  return page;
}

void frmRein::FillUnits() {
  const UnitSystem units = project_.unitSystem;
  const QString moment = Q(MomentLabel(units));
  const QString force = Q(UnitLabel(UnitQuantity::force, units));
  const QString sectionLength = Q(UnitLabel(UnitQuantity::sectionLength, units));
  const QString area = Q(SectionAreaLabel(units));
  const QString bar = Q(UnitLabel(UnitQuantity::barDiameter, units));
  const std::array<QString, 14> labels{moment, force, sectionLength, moment, area, bar, bar, area, moment, force,
                                       Q(ForcePerLengthLabel(units)), force, force, force};
  for (std::size_t i = 0; i < labels.size(); ++i) unitLabels_[i]->setText(labels[i]);
}

void frmRein::FillNotes() {
  const UnitSystem units = project_.unitSystem;
  notes_[0]->setText(Q(StripWidthNote(units)).toHtmlEscaped());
  notes_[1]->setText(QStringLiteral("\u03C1<sub>b</sub> = ") + Q(FormatNumber(design_.balancedRatio, "0.#0%")));
  notes_[2]->setText(QStringLiteral("z<sub>max</sub> = ") + Q(CrackZLimitNote(design_.crackZLimit, units)));
}

void frmRein::FillAll() {
  FillUnits();
  for (int s = 1; s <= kDesignSectionCount; ++s) FillSection(s);
  FillNotes();
}

void frmRein::FillColumn(int c) {
  const UnitSystem units = project_.unitSystem;
  const ColumnAvailability& available = design_.available[c];
  const auto set = [this, c](ReinRow row, const QString& text) { ColumnValue(row, c)->setText(text); };
  const auto orNotAvailable = [](bool ok, double value) { return ok ? Number(value) : kNotAvailable; };
  set(ReinRow::M, Number(design_.colMoment[c]));
  set(ReinRow::N, Number(design_.colNormal[c]));
  set(ReinRow::h, Number(DisplaySectionLength(design_.colHeight[c], units)));
  set(ReinRow::Mu, orNotAvailable(available.momentCapacity, design_.colMomentCapacity[c]));
  set(ReinRow::Asreq, orNotAvailable(available.requiredArea, DisplaySectionArea(design_.colRequiredArea[c], units)));
  diameterBoxes_[c - 1]->setText(Number(DisplayBarSize(project_.barDiameters[c], units)));
  pitchBoxes_[c - 1]->setText(Number(DisplayBarSize(project_.barPitches[c], units)));
  set(ReinRow::As, orNotAvailable(available.steelArea, DisplaySectionArea(design_.colSteelArea[c], units)));
  set(ReinRow::Rho, available.steelRatio ? Q(FormatNumber(design_.colSteelRatio[c], "0.#0%")) : kNotAvailable);
  set(ReinRow::Mz, Number(design_.colServiceMoment[c]));
  set(ReinRow::Nz, Number(design_.colServiceNormal[c]));
  set(ReinRow::Z, orNotAvailable(available.crackZ, design_.colCrackZ[c]));

  const ColumnWarnings w = ColumnWarningsOf(design_, c);
  const std::array<bool, kColumnWarningCount + 1> shown{false, w.capacityBelowMoment, w.ratioBelowMinimum,
                                                        w.ratioAboveBalanced, w.crackZAboveLimit};
  for (int i = 1; i <= kColumnWarningCount; ++i) columnWarnings_[i][c]->setVisible(shown[i]);
}

void frmRein::FillSection(int s) {
  // The low-ratio warning of a column depends on both columns of its section.
  FillColumn(2 * s - 1);
  FillColumn(2 * s);
  SectionValue(ReinShearRow::V, s)->setText(Number(design_.sectionDesignShear[s]));
  SectionValue(ReinShearRow::Nv, s)->setText(Number(design_.sectionShearNormal[s]));
  SectionValue(ReinShearRow::Vu, s)->setText(Number(design_.sectionShearCapacity[s]));
  shearWarnings_[s]->setVisible(ShearCapacityBelowShear(design_, s));
}

bool frmRein::AcceptBar(int c, bool diameter, const QString& text) {
  const std::optional<double> value = ParseEnteredNumber(text.toStdString());
  if (!value || !(*value > 0)) return false;
  const float stored = StoredBarSize(*value, project_.unitSystem);
  if (!(stored > 0)) return false;
  (diameter ? diameterBoxes_ : pitchBoxes_)[c - 1]->setText(Number(*value));
  // The user's bars: stored in the project, the column recomputed with them.
  (diameter ? project_.barDiameters : project_.barPitches)[c] = stored;
  project_.userReinforcement = true;
  RecomputeDesignColumn(project_, design_, c);
  FillSection(SectionOfColumn(c));
  FillNotes();  // the balanced ratio is stored again by the recompute
  quantities_->Fill();
  if (change_) {
    change_(QStringLiteral("reinforcement"),
            [diameters = project_.barDiameters, pitches = project_.barPitches,
             user = project_.userReinforcement](ProjectData& p) {
              p.barDiameters = diameters;
              p.barPitches = pitches;
              p.userReinforcement = user;
            });
  }
  return true;
}

}  // namespace kelvadrome
