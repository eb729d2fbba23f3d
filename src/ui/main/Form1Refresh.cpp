// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh cycle of the main window: the controls that show the project, view
// availability, the document's service analysis, the drawing and the verdict in the results
// panel, once per turn of the event loop.
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
#include "ui/main/BusyPointer.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ProjectOptions.h"
#include "ui/main/UserPrompts.h"
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

void Form1::ScheduleRefresh() {
  refreshPending_ = true;
  refreshTimer_.start();
}

void Form1::RefreshNow() {
  // A refresh that takes a flattened slope schedules the one that draws it: both run here.
  for (int round = 0; round < 3 && refreshPending_ && !refreshing_; ++round) RefreshView();
}

void Form1::RefreshView() {
  if (refreshing_) return;
  FlagScope scope(refreshing_);
  refreshPending_ = false;
  refreshTimer_.stop();
  SyncProjectControls();
  ApplyViewAvailability();
  if (!document_.AnalysisCurrent() || redrawWanted_) {
    redrawWanted_ = false;
    std::vector<std::string> messages;
    {
      const BusyPointer busy;
      messages = document_.Analyse();
      ++analysisCount_;
    }
    if (const std::optional<std::string>& fault = document_.AnalysisFault()) messages.push_back(*fault);
    if (refreshPending_) {
      // The analysis flattened the backfill slope and the document took it as a change: the
      // refresh that change scheduled draws the wall with it.
      TellMessages(messages);
      return;
    }
    picture_->SetView(currentView_);
    const std::vector<std::string> viewMessages = picture_->Refresh();
    messages.insert(messages.end(), viewMessages.begin(), viewMessages.end());
    TellMessages(messages);
  }
  controls_.label8->setText(QString::fromStdString(FormatGeneral(document_.Project().seismicCoefficient)) +
                            QLatin1Char('g'));
  ShowVerdict();
}

void Form1::TellMessages(const std::vector<std::string>& messages) {
  for (const std::string& text : messages) services_.prompts.Warn(this, QString::fromStdString(text));
}

void Form1::ShowVerdict() {
  // An analysis that ended in a fault has no verdict to give: the wall is reported not stable.
  StabilityResults failed;
  failed.wallStable = false;
  const StabilityVerdict verdict =
      StabilityVerdictText(document_.AnalysisFault() ? failed : document_.Results().stability);
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
    redrawWanted_ = true;
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

void Form1::SyncProjectControls() {
  const ProjectData& project = document_.Project();
  {
    const QSignalBlocker blocker(controls_.combo1);
    controls_.combo1->setCurrentIndex(static_cast<int>(UnitIndex(project.unitSystem)));
  }
  for (int i = 0; i < 3; ++i) actions_.unit[i]->setChecked(static_cast<std::size_t>(i) == UnitIndex(project.unitSystem));
  // The box the user is typing in already holds the title; setting it again would move the caret.
  const QString title = QString::fromStdString(project.projectTitle);
  if (controls_.text1->text() != title) {
    const QSignalBlocker blocker(controls_.text1);
    controls_.text1->setText(title);
  }
  // The boxes only show what the project already holds: their click handlers would move the
  // kept water depths and seismic coefficient back into a project read with the option off.
  SyncOptionControls();
}

}  // namespace kelvadrome
