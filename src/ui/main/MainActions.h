// SPDX-License-Identifier: GPL-3.0-or-later
// Every command of the main window as a QAction, shared by the menu bar, the tool bar and the
// command buttons. Windows built elsewhere connect to these actions' triggered signals.
#pragma once

#include <array>

#include "report/drawing/ViewKind.h"

class QAction;
class QObject;

namespace kelvadrome {

struct MainActions {
  // File
  QAction* fileNew = nullptr;
  QAction* fileOpen = nullptr;
  QAction* fileSave = nullptr;
  QAction* fileSaveAs = nullptr;
  QAction* filePageSetup = nullptr;
  QAction* filePrintPreview = nullptr;
  QAction* filePrint = nullptr;
  QAction* fileExportPdf = nullptr;
  QAction* filePrinterSetup = nullptr;
  QAction* fileExit = nullptr;
  QAction* fileRecentSeparator = nullptr;            // mnuFileX3
  std::array<QAction*, 5> fileRecent{};               // mnuFileList(1..4); element 0 unused
  // Edit
  QAction* editUndo = nullptr;
  QAction* editRedo = nullptr;
  QAction* editProperties = nullptr;
  QAction* editLoads = nullptr;
  QAction* editRestraints = nullptr;
  // View, indexed like the view option buttons
  std::array<QAction*, kViewCount> view{};
  // Calculate
  QAction* calculateStability = nullptr;
  QAction* calculateConcrete = nullptr;
  QAction* calculateOptimise = nullptr;
  QAction* calculateCalculator = nullptr;
  // Options
  std::array<QAction*, 3> unit{};  // Metric, SI, British
  QAction* optionWater = nullptr;
  QAction* optionSeismic = nullptr;
  QAction* optionKey = nullptr;
  // Help
  QAction* helpContents = nullptr;
  QAction* helpAbout = nullptr;
};

// Creates every action with its caption, access key, shortcut, tool tip and icon, owned by owner.
[[nodiscard]] MainActions CreateMainActions(QObject* owner);

}  // namespace kelvadrome
