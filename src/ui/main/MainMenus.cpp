// SPDX-License-Identifier: GPL-3.0-or-later
// The menus of the main window.
#include "ui/main/MainMenus.h"

#include <QMenu>
#include <QMenuBar>

namespace kelvadrome {

namespace {

QMenu* AddMenu(QMenuBar& bar, const char* caption, const char* name, int helpContext) {
  QMenu* menu = bar.addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setProperty("helpContext", helpContext);
  return menu;
}

}  // namespace

void BuildMainMenus(QMenuBar& bar, const MainActions& a) {
  QMenu* file = AddMenu(bar, "&File", "mnuFile", 210);
  file->addActions({a.fileNew, a.fileOpen, a.fileSave, a.fileSaveAs});
  file->addSeparator();
  file->addActions({a.filePageSetup, a.filePrintPreview, a.filePrint, a.fileExportPdf, a.filePrinterSetup});
  file->addSeparator();
  file->addAction(a.fileExit);
  file->addAction(a.fileRecentSeparator);
  for (int i = 1; i <= 4; ++i) file->addAction(a.fileRecent[i]);

  QMenu* edit = AddMenu(bar, "&Edit", "mnuEdit", 220);
  edit->addActions({a.editUndo, a.editRedo});
  edit->addSeparator();
  edit->addActions({a.editProperties, a.editLoads, a.editRestraints});

  QMenu* view = AddMenu(bar, "&View", "mnuView", 230);
  view->addAction(a.view[0]);
  view->addSeparator();
  for (int i = 1; i <= 7; ++i) view->addAction(a.view[i]);
  view->addSeparator();
  view->addActions({a.view[8], a.view[9], a.view[10]});

  QMenu* calculate = AddMenu(bar, "&Calculate", "mnuCalculate", 240);
  calculate->addActions({a.calculateStability, a.calculateConcrete, a.calculateOptimise});
  calculate->addSeparator();
  calculate->addAction(a.calculateCalculator);

  QMenu* options = AddMenu(bar, "&Options", "mnuOptionS", 250);
  QMenu* unit = options->addMenu(QStringLiteral("&Unit"));
  unit->setObjectName(QStringLiteral("mnuOptionsUnit"));
  unit->menuAction()->setProperty("helpContext", 250);
  unit->addActions({a.unit[0], a.unit[1], a.unit[2]});
  options->addSeparator();
  options->addActions({a.optionWater, a.optionSeismic, a.optionKey});

  QMenu* help = AddMenu(bar, "&Help", "mnuHelp", 260);
  help->addAction(a.helpContents);
  help->addSeparator();
  help->addAction(a.helpAbout);
}

}  // namespace kelvadrome
