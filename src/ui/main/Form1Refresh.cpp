// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh cycle of the main window: view availability, option controls, the service
// analysis, the drawing and the verdict in the results panel.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "engine/StabilityTexts.h"
#include "format/NumberFormat.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ProjectOptions.h"
#include "ui/main/WallPicture.h"

namespace kelvadrome {

namespace {

// Leaves a flag set for the length of a scope, whatever ends it.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void Form1::RefreshView() {
  if (refreshing_) return;
  FlagScope scope(refreshing_);
  ApplyViewAvailability();
  SyncOptionControls();
  // The picture runs the service analysis before it draws, so the drawing always shows the
  // slope as the earth-pressure rules left it; its messages arrive through EngineMessage.
  picture_->SetView(currentView_);
  picture_->Refresh();
  controls_.label8->setText(QString::fromStdString(FormatGeneral(document_.Project().seismicCoefficient)) +
                            QLatin1Char('g'));
  ShowVerdict();
}

void Form1::ShowVerdict() {
  // An analysis that ended in a fault has no verdict to give: the wall is reported not stable.
  StabilityResults failed;
  failed.wallStable = false;
  const StabilityVerdict verdict =
      StabilityVerdictText(picture_->AnalysisValid() ? document_.Results().stability : failed);
  QPalette palette = controls_.label5->palette();
  palette.setColor(QPalette::WindowText,
                   verdict.stable ? controls_.label5->style()->standardPalette().color(QPalette::ButtonText)
                                  : QColor(255, 0, 0));
  controls_.label5->setPalette(palette);
  controls_.label5->setText(QString::fromStdString(verdict.headline));
  controls_.label6->setText(QString::fromStdString(verdict.detail));
}

void Form1::ApplyViewAvailability() {
  const std::array<bool, kViewCount> available = SelectableViews(document_.Project());
  for (int i = 0; i < kViewCount; ++i) {
    controls_.optView[i]->setEnabled(available[i]);
    actions_.view[i]->setEnabled(available[i]);
  }
  if (currentView_ && !available[static_cast<int>(*currentView_)]) {
    currentView_ = ViewKind::Dimensions;
    SyncViewControls();
  }
}

std::array<bool, kViewCount> Form1::ViewEnabled() const {
  std::array<bool, kViewCount> enabled{};
  for (int i = 0; i < kViewCount; ++i) enabled[i] = controls_.optView[i]->isEnabled();
  return enabled;
}

void Form1::SyncViewControls() {
  const int selected = currentView_ ? static_cast<int>(*currentView_) : -1;
  for (int i = 0; i < kViewCount; ++i) actions_.view[i]->setChecked(i == selected);
  const QSignalBlocker blocker(controls_.viewGroup);
  if (selected >= 0) {
    controls_.optView[selected]->setChecked(true);
  } else if (QAbstractButton* checked = controls_.viewGroup->checkedButton()) {
    controls_.viewGroup->setExclusive(false);
    checked->setChecked(false);
    controls_.viewGroup->setExclusive(true);
  }
}

void Form1::SyncOptionControls() {
  const ProjectData& project = document_.Project();
  const bool water = project.waterOption;
  const bool seismic = project.seismicOption;
  const bool key = project.shearKeyOption;
  {
    const QSignalBlocker b1(controls_.check1), b2(controls_.check2), b3(controls_.check3);
    controls_.check1->setChecked(water);
    controls_.check2->setChecked(seismic);
    controls_.check3->setChecked(key);
  }
  actions_.optionWater->setChecked(water);
  actions_.optionSeismic->setChecked(seismic);
  actions_.optionKey->setChecked(key);
  controls_.label8->setVisible(seismic);
}

void Form1::FillControlsFromProject() {
  {
    FlagScope filling(fillingControls_);
    const ProjectData& project = document_.Project();
    {
      const QSignalBlocker blocker(controls_.combo1);
      controls_.combo1->setCurrentIndex(static_cast<int>(UnitIndex(project.unitSystem)));
    }
    for (int i = 0; i < 3; ++i) actions_.unit[i]->setChecked(static_cast<std::size_t>(i) == UnitIndex(project.unitSystem));
    {
      const QSignalBlocker blocker(controls_.text1);
      controls_.text1->setText(QString::fromStdString(project.projectTitle));
    }
    // The boxes only show what the project already holds: their click handlers would move the
    // kept water depths and seismic coefficient back into a project read with the option off.
    SyncOptionControls();
  }
  RefreshView();
}

}  // namespace kelvadrome
