// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's actions: captions with access keys, the standard shortcuts, tool tips,
// pictures and the help context number of each menu.
#include "ui/main/MainActions.h"

#include <QAction>
#include <QKeySequence>

#include "ui/main/ToolIcons.h"

namespace kelvadrome {

namespace {

// Help context numbers of the menus, used to open the help at the right page.
constexpr int kContextFile = 210;
constexpr int kContextEdit = 220;
constexpr int kContextView = 230;
constexpr int kContextCalculate = 240;
constexpr int kContextOptions = 250;
constexpr int kContextHelp = 260;

QAction* Make(QObject* owner, const char* caption, const char* name, int helpContext) {
  auto* action = new QAction(QString::fromUtf8(caption), owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setProperty("helpContext", helpContext);
  return action;
}

QAction* Checkable(QAction* action) {
  action->setCheckable(true);
  return action;
}

void WithIcon(QAction* action, ToolIcon icon, const char* toolTip) {
  action->setIcon(MakeToolIcon(icon));
  action->setToolTip(QString::fromUtf8(toolTip));
}

}  // namespace

MainActions CreateMainActions(QObject* owner) {
  MainActions a;
  a.fileNew = Make(owner, "&New", "mnuFileNew", kContextFile);
  a.fileNew->setShortcut(QKeySequence::New);
  WithIcon(a.fileNew, ToolIcon::NewWall, "Create new wall");
  a.fileOpen = Make(owner, "&Open", "mnuFileOpen", kContextFile);
  a.fileOpen->setShortcut(QKeySequence::Open);
  a.fileSave = Make(owner, "&Save", "mnuFileSave", kContextFile);
  a.fileSave->setShortcut(QKeySequence::Save);
  WithIcon(a.fileSave, ToolIcon::Save, "Save current wall");
  a.fileSaveAs = Make(owner, "Sa&ve as", "mnuFileSaveAs", kContextFile);
  a.filePageSetup = Make(owner, "Pa&ge Setup", "mnuFilePageSetup", kContextFile);
  a.filePrintPreview = Make(owner, "Print previe&w", "mnuFilePrintPreview", kContextFile);
  a.filePrint = Make(owner, "&Print", "mnuFilePrint", kContextFile);
  a.filePrint->setShortcut(QKeySequence::Print);
  WithIcon(a.filePrint, ToolIcon::Print, "Print reports");
  a.fileExportPdf = Make(owner, "Export P&DF", "mnuFileExportPdf", kContextFile);
  a.filePrinterSetup = Make(owner, "P&rinter setup", "mnuFilePrinterSetup", kContextFile);
  a.fileExit = Make(owner, "E&xit", "mnuFileExit", kContextFile);
  a.fileRecentSeparator = new QAction(owner);
  a.fileRecentSeparator->setSeparator(true);
  a.fileRecentSeparator->setObjectName(QStringLiteral("mnuFileX3"));
  for (int i = 1; i <= 4; ++i) {
    a.fileRecent[i] = new QAction(owner);
    a.fileRecent[i]->setObjectName(QStringLiteral("mnuFileList%1").arg(i));
    a.fileRecent[i]->setProperty("helpContext", kContextFile);
  }

  a.editUndo = Make(owner, "&Undo", "mnuEditUndo", kContextEdit);
  a.editUndo->setShortcut(QKeySequence::Undo);
  a.editRedo = Make(owner, "R&edo", "mnuEditRedo", kContextEdit);
  a.editRedo->setShortcut(QKeySequence::Redo);
  a.editProperties = Make(owner, "&Properties", "mnuEditProperties", kContextEdit);
  WithIcon(a.editProperties, ToolIcon::Properties, "Change material properties");
  a.editLoads = Make(owner, "&Loads", "mnuEditLoads", kContextEdit);
  WithIcon(a.editLoads, ToolIcon::Loads, "Change or add loads");
  a.editRestraints = Make(owner, "&Restraints", "mnuEditRestraint", kContextEdit);
  WithIcon(a.editRestraints, ToolIcon::Restraints, "Type of sliding restraints");

  constexpr std::array<const char*, kViewCount> captions{
      "Di&mensions", "&Dead loads", "&Live loads", "&Soil pressure", "&Water pressure",
      "S&tructural loads", "&Impact loads", "S&eismic loads", "&Reactions", "Restr&aints",
      "&Global stability"};
  constexpr std::array<const char*, kViewCount> names{
      "mnuViewDimensions", "mnuViewDead", "mnuViewLive", "mnuViewSoil", "mnuViewWater",
      "mnuViewEquip", "mnuViewImpact", "mnuViewSeismic", "mnuViewReaction", "mnuViewRestraint",
      "mnuViewGlobal"};
  for (int i = 0; i < kViewCount; ++i) a.view[i] = Checkable(Make(owner, captions[i], names[i], kContextView));

  a.calculateStability = Make(owner, "&Stability", "mnuCalculateStability", kContextCalculate);
  WithIcon(a.calculateStability, ToolIcon::Stability, "Stability results");
  a.calculateConcrete = Make(owner, "&Concrete design", "mnuCalculateConcrete", kContextCalculate);
  WithIcon(a.calculateConcrete, ToolIcon::Concrete, "Reinforced concrete design");
  a.calculateOptimise = Make(owner, "&Optimise dimensions…", "mnuCalculateOptimise", kContextCalculate);
  a.calculateCalculator = Make(owner, "Soil pressure ca&lculator", "mnuCalculateCalcu", kContextCalculate);
  WithIcon(a.calculateCalculator, ToolIcon::Calculator, "Soil pressure calculator");

  a.unit[0] = Checkable(Make(owner, "&Metric", "mnuUnitMetric", kContextOptions));
  a.unit[1] = Checkable(Make(owner, "&SI", "mnuUnitSI", kContextOptions));
  a.unit[2] = Checkable(Make(owner, "&British", "mnuUnitBritish", kContextOptions));
  a.optionWater = Checkable(Make(owner, "&Water", "mnuOptionWater", kContextOptions));
  a.optionWater->setChecked(true);
  a.optionSeismic = Checkable(Make(owner, "&Seismic", "mnuOptionSeismic", kContextOptions));
  a.optionSeismic->setChecked(true);
  a.optionKey = Checkable(Make(owner, "S&hear key", "mnuOptionKey", kContextOptions));

  a.helpContents = Make(owner, "&Kelvadrome help", "mnuHelpRet", kContextHelp);
  a.helpContents->setShortcut(QKeySequence::HelpContents);
  WithIcon(a.helpContents, ToolIcon::Help, "Help");
  a.helpAbout = Make(owner, "&About", "mnuAbout", kContextHelp);
  return a;
}

}  // namespace kelvadrome
