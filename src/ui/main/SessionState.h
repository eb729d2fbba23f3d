// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop program keeps for the whole run beside the project: the recent files, the
// last folder of the file dialogs, the report fonts found at start-up and where the help is.
#pragma once

#include <QString>

#include "ui/main/RecentFiles.h"
#include "ui/main/ReportFonts.h"

namespace kelvadrome {

struct SessionState {
  RecentFileList recent;
  QString lastDirectory;
  ReportFontChoice fonts{"Arial", "Arial"};
  QString helpFolder;  // the folder of the HTML help pages
};

}  // namespace kelvadrome
