// SPDX-License-Identifier: GPL-3.0-or-later
// The stability window, built from the shared stability texts.
#include "ui/main/StabilityDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/GlobalStabilityTexts.h"
#include "engine/StabilityTexts.h"

namespace kelvadrome {
namespace {

// Control names of the value and unit labels, one pair per group in the order of the groups.
struct GroupNames {
  const char* values;
  const char* units;
};
constexpr std::array<GroupNames, 7> kGroupNames{{
    {"lblForce", "lblUnitForce"},
    {"lblExcen", "lblUnitExcen"},
    {"lblPress", "lblUnitPress"},
    {"lblSlide", "lblUnitSlide"},
    {"lblOverturn", "lblUnitOverturn"},
    {"lblBearing", "lblUnitBearing"},
    {"lblGlobal", "lblUnitGlobal"},
}};
constexpr std::size_t kOverturningGroup = 4;
// External forces and eccentricities on the left, and the bearing resistance under them beside
// the base pressures and sliding.
bool OnTheLeft(std::size_t group) { return group < 2 || group == kBearingGroup; }

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* Named(QLabel* label, const QString& name) {
  label->setObjectName(name);
  return label;
}

// The caption with its subscript lowered: "Moment at overturning point (ΣM" "o" ") =".
QLabel* CaptionLabel(const StabilityLine& line, QWidget* parent) {
  auto* label = new QLabel(parent);
  if (line.subscript.empty()) {
    label->setTextFormat(Qt::PlainText);
    label->setText(Text(line.Caption()));
  } else {
    label->setTextFormat(Qt::RichText);
    label->setText(Text(line.caption).toHtmlEscaped() + "<sub>" + Text(line.subscript).toHtmlEscaped() +
                   "</sub>" + Text(line.captionEnd).toHtmlEscaped());
  }
  return label;
}

// One group: its caption, then a row per line with caption, value (right-aligned) and unit.
void AddGroup(QGridLayout* grid, int& row, const StabilityGroup& group, const GroupNames& names,
              QWidget* parent) {
  grid->addWidget(new QLabel(Text(group.caption), parent), row++, 0, 1, 3);
  for (std::size_t i = 0; i < group.lines.size(); ++i) {
    const StabilityLine& line = group.lines[i];
    auto* value = Named(new QLabel(Text(line.value), parent), QString::fromUtf8(names.values) + QString::number(i));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* unit = Named(new QLabel(Text(line.unit), parent), QString::fromUtf8(names.units) + QString::number(i));
    if (line.Caption().empty()) {
      // The eccentricity comparison line has no caption: its text takes the caption's room.
      grid->addWidget(value, row, 0, 1, 2);
    } else {
      auto* caption = CaptionLabel(line, parent);
      caption->setContentsMargins(12, 0, 0, 0);
      grid->addWidget(caption, row, 0);
      grid->addWidget(value, row, 1);
    }
    grid->addWidget(unit, row, 2);
    ++row;
  }
  grid->setRowMinimumHeight(row++, 8);
}

QString NotesText(const std::vector<std::string>& notes) {
  QStringList lines;
  for (const std::string& note : notes) lines << Text(note);
  return lines.join('\n');
}

}  // namespace

frmStability::frmStability(const StabilityResults& stability, const GlobalStabilityResults& global,
                           UnitSystem unitSystem, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmStability"));
  setWindowTitle(QStringLiteral("Kelvadrome: Stability"));
  setModal(true);

  std::vector<StabilityGroup> groups = StabilityGroups(stability, unitSystem, StabilityTextStyle::dialog);
  // Like the base pressures and sliding, overturning is not reported for a wall that is not stable.
  if (!stability.wallStable && groups.size() > kOverturningGroup) {
    for (StabilityLine& line : groups[kOverturningGroup].lines) line.value = kNotApplicable;
  }
  StabilityLine globalFactor;
  globalFactor.caption = "Safety factor =";
  globalFactor.value = stability.wallStable ? GlobalSafetyFactorText(global) : kNotApplicable;
  groups.push_back({"Global stability:", {globalFactor}});

  auto* columns = new QHBoxLayout;
  auto* left = new QGridLayout;
  auto* right = new QGridLayout;
  int leftRow = 0, rightRow = 0;
  for (std::size_t g = 0; g < groups.size() && g < kGroupNames.size(); ++g) {
    const bool onLeft = OnTheLeft(g);
    AddGroup(onLeft ? left : right, onLeft ? leftRow : rightRow, groups[g], kGroupNames[g], this);
  }
  for (QGridLayout* grid : {left, right}) {
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(1, 60);
    grid->setRowStretch(grid->rowCount(), 1);
  }
  columns->addLayout(left);
  columns->addSpacing(24);
  columns->addLayout(right);

  auto* noteCaption = new QLabel(QStringLiteral("Note:"), this);
  std::vector<std::string> notes = StabilityNotes(stability, unitSystem, StabilityTextStyle::dialog);
  if (GlobalStabilityNoteApplies(stability, global)) notes.push_back(kNoteMarker + std::string(kGlobalStabilityNote));
  auto* note = Named(new QLabel(NotesText(notes), this), QStringLiteral("lblNote"));
  note->setTextFormat(Qt::PlainText);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(noteCaption);
  layout->addWidget(note);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPoint frmStability::CentredOver(const QRect& main, const QSize& own) {
  return {std::max(0, main.left() + (main.width() - own.width()) / 2),
          std::max(0, main.top() + (main.height() - own.height()) / 2)};
}

void frmStability::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QWidget* main = parentWidget(); main != nullptr) {
    move(CentredOver(main->window()->frameGeometry(), frameGeometry().size()));
  }
}

}  // namespace kelvadrome
