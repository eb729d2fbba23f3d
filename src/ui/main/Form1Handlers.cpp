// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers of the main window's controls and commands: views, options, units, title,
// Calculate Stability and the connection of every action.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "engine/Analysis.h"
#include "engine/EngineError.h"
#include "model/Units.h"
#include "ui/main/FileCommands.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ProjectOptions.h"
#include "ui/main/UserPrompts.h"
#include "ui/main/frmAbout.h"

namespace kelvadrome {

void Form1::ConnectCommands() {
  const MainActions& a = actions_;
  connect(a.fileNew, &QAction::triggered, this, [this] { RunGuarded([this] { files_->New(); }); });
  connect(a.fileOpen, &QAction::triggered, this, [this] { RunGuarded([this] { files_->Open(); }); });
  connect(a.fileSave, &QAction::triggered, this, [this] { RunGuarded([this] { files_->Save(); }); });
  connect(a.fileSaveAs, &QAction::triggered, this, [this] { RunGuarded([this] { files_->SaveAs(); }); });
  connect(a.filePrinterSetup, &QAction::triggered, this,
          [this] { RunGuarded([this] { files_->PrinterSetup(Printer()); }); });
  connect(a.fileExit, &QAction::triggered, this, &QWidget::close);
  for (int i = 1; i <= kRecentFileSlots; ++i) {
    connect(a.fileRecent[i], &QAction::triggered, this, [this, i] { RunGuarded([this, i] { files_->OpenRecent(i); }); });
  }
  connect(files_.get(), &FileCommands::ProjectReplaced, this, [this] { RunGuarded([this] { FillControlsFromProject(); }); });
  connect(files_.get(), &FileCommands::RecentFilesChanged, this, &Form1::UpdateRecentMenu);
  connect(files_.get(), &FileCommands::TitleChanged, this, &Form1::UpdateTitle);

  // Commands that other windows provide stay disabled until they are connected.
  for (QAction* action : {a.filePageSetup, a.filePrintPreview, a.filePrint, a.fileExportPdf, a.editUndo, a.editRedo,
                          a.editProperties, a.editLoads, a.editRestraints, a.calculateConcrete, a.calculateCalculator}) {
    action->setEnabled(false);
  }
  connect(a.calculateStability, &QAction::triggered, this, [this] { RunGuarded([this] { OnCalculateStability(); }); });
  connect(a.helpContents, &QAction::triggered, this, [this] { ShowHelp(100); });
  connect(a.helpAbout, &QAction::triggered, this, [this] {
    frmAbout about(this);
    about.exec();
  });

  // The command buttons are the same commands as their menu entries.
  const std::array<std::pair<QPushButton*, QAction*>, 5> buttons{{{controls_.command2, a.editProperties},
                                                                  {controls_.command3, a.editLoads},
                                                                  {controls_.command6, a.editRestraints},
                                                                  {controls_.command4, a.calculateStability},
                                                                  {controls_.command5, a.calculateConcrete}}};
  for (const auto& [button, action] : buttons) {
    button->setEnabled(action->isEnabled());
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
  }
}

void Form1::ConnectOptions() {
  const MainActions& a = actions_;
  connect(controls_.viewGroup, &QButtonGroup::idClicked, this, &Form1::OnViewClicked);
  for (int i = 0; i < kViewCount; ++i) {
    connect(a.view[i], &QAction::triggered, this, [this, i] { OnViewMenu(i); });
  }
  connect(controls_.check1, &QCheckBox::clicked, this, [this] { RunGuarded([this] { OnWaterClicked(); }); });
  connect(controls_.check2, &QCheckBox::clicked, this, [this] { RunGuarded([this] { OnSeismicClicked(); }); });
  connect(controls_.check3, &QCheckBox::clicked, this, [this] { RunGuarded([this] { OnShearKeyClicked(); }); });
  // The menu entries only toggle their box; the box's own handling does the rest.
  connect(a.optionWater, &QAction::triggered, controls_.check1, &QCheckBox::click);
  connect(a.optionSeismic, &QAction::triggered, controls_.check2, &QCheckBox::click);
  connect(a.optionKey, &QAction::triggered, controls_.check3, &QCheckBox::click);
  connect(controls_.combo1, &QComboBox::activated, this, [this](int index) { RunGuarded([this, index] { OnUnitChosen(index); }); });
  for (int i = 0; i < 3; ++i) {
    connect(a.unit[i], &QAction::triggered, this, [this, i] {
      const QSignalBlocker blocker(controls_.combo1);
      controls_.combo1->setCurrentIndex(i);
      RunGuarded([this, i] { OnUnitChosen(i); });
    });
  }
  connect(controls_.text1, &QLineEdit::textEdited, this, &Form1::OnTitleEdited);
}

void Form1::SelectView(ViewKind view) {
  controls_.optView[static_cast<int>(view)]->setChecked(true);
  OnViewClicked(static_cast<int>(view));
}

void Form1::OnViewClicked(int index) {
  currentView_ = static_cast<ViewKind>(index);
  SyncViewControls();
  if (!fillingControls_) RunGuarded([this] { RefreshView(); });
}

void Form1::OnViewMenu(int index) {
  QRadioButton* button = controls_.optView[index];
  if (button->isChecked()) {
    // The entry of the selected view only clears its option button's mark.
    controls_.viewGroup->setExclusive(false);
    button->setChecked(false);
    controls_.viewGroup->setExclusive(true);
    for (int i = 0; i < kViewCount; ++i) {
      actions_.view[i]->setChecked(currentView_ && i == static_cast<int>(*currentView_));
    }
    return;
  }
  SelectView(static_cast<ViewKind>(index));
}

void Form1::OnWaterClicked() {
  const bool ticked = controls_.check1->isChecked();
  document_.ApplyChange(QStringLiteral("Water"), [ticked](ProjectData& p) { ApplyWaterOption(p, ticked); });
  actions_.optionWater->setChecked(ticked);
  RefreshView();
}

void Form1::OnSeismicClicked() {
  const bool ticked = controls_.check2->isChecked();
  document_.ApplyChange(QStringLiteral("Seismic"), [ticked](ProjectData& p) { ApplySeismicOption(p, ticked); });
  actions_.optionSeismic->setChecked(ticked);
  controls_.label8->setVisible(ticked);
  RefreshView();
}

void Form1::OnShearKeyClicked() {
  const bool ticked = controls_.check3->isChecked();
  document_.ApplyChange(QStringLiteral("Shear key"),
                        [ticked](ProjectData& p) { p.shearKeyOption = ticked ? int16_t{1} : int16_t{0}; });
  actions_.optionKey->setChecked(ticked);
  RefreshView();
}

void Form1::OnUnitChosen(int index) {
  ProjectData& project = document_.Project();
  const int16_t previous = project.unitSystem;
  for (int i = 0; i < 3; ++i) actions_.unit[i]->setChecked(i == index);
  if (previous == index) {
    project.previousUnitSystem = previous;
    return;
  }
  try {
    document_.ApplyChange(QStringLiteral("Units"), [index, previous](ProjectData& p) {
      p.previousUnitSystem = previous;
      p.unitSystem = static_cast<int16_t>(index);
      ConvertUnits(p);
    });
  } catch (...) {
    // The conversion left the project in its old system; the selector follows it.
    const QSignalBlocker blocker(controls_.combo1);
    controls_.combo1->setCurrentIndex(project.unitSystem);
    for (int i = 0; i < 3; ++i) actions_.unit[i]->setChecked(i == project.unitSystem);
    throw;
  }
  RefreshView();
}

void Form1::OnTitleEdited(const QString& text) {
  document_.ApplyChange(QStringLiteral("Title"), [&text](ProjectData& p) { p.projectTitle = text.toStdString(); });
}

void Form1::OnCalculateStability() {
  PromptSink sink(services_.prompts, this);
  const ServiceAnalysis run = AnalyseService(document_.Project());
  document_.Results() = run.results;
  for (const std::string& message : run.messages) sink.Warn(message);
  document_.Project() = WithFindings(std::move(document_.Project()), run);
  if (run.fault) throw EngineError(*run.fault);
  if (run.adjustedSlope) RefreshView();
  if (showStability_) showStability_(this);
}

void Form1::RunProjectEditor(const std::function<bool(QWidget* parent)>& showEditor) {
  RunGuarded([&] {
    if (!showEditor(this)) return;
    // Whether anything really changed is told by comparing with the saved project.
    document_.ApplyChange(QStringLiteral("Editor"), [](ProjectData&) {});
    RefreshView();
  });
}

}  // namespace kelvadrome
