// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up in its fixed order.
#include "ui/main/StartProgram.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include "ui/main/HelpWindow.h"
#include "ui/main/InstanceGuard.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ReportFonts.h"
#include "ui/main/SessionState.h"
#include "ui/main/SettingsStore.h"
#include "ui/main/UserPrompts.h"

namespace kelvadrome {

QSize ScreenSizeTwips() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {12000, 9000};
  const TwipsScale scale = TwipsScale::ForScreen(screen);
  const QSize pixels = screen->size();
  return {static_cast<int>(std::lround(scale.Twips(pixels.width()))),
          static_cast<int>(std::lround(scale.Twips(pixels.height())))};
}

std::unique_ptr<Form1> StartProgram(StartContext& context) {
  if (!context.instance.TryAcquire()) {
    context.services.prompts.Warn(nullptr, QString::fromLatin1(kAlreadyRunningText));
    return nullptr;
  }

  const QSize screen = ScreenSizeTwips();
  const StoredSettings stored = SettingsStore::Load(context.services.settings, screen.width(), screen.height());
  SessionState& session = context.session;
  session.recent = stored.recent;
  session.lastDirectory = stored.lastDirectory;
  if (!session.lastDirectory.isEmpty() && QDir(session.lastDirectory).exists()) {
    QDir::setCurrent(session.lastDirectory);
  }
  if (session.helpFolder.isEmpty()) session.helpFolder = FindHelpFolder();

  InstallFontSubstitutes();
  session.fonts = ChooseReportFonts(OfferedFontFamilies());

  ProjectData fresh = context.document.Project();
  SetDefaults(fresh, session.fonts.defaultReportFont);
  context.document.ReplaceProject(fresh, QString());

  auto window = std::make_unique<Form1>(context.document, session, context.services);
  if (stored.windowStored) {
    window->RestorePlacement(stored.window);
  } else {
    window->PlaceForFirstStart();
  }
  window->show();
  if (!context.projectToOpen.isEmpty()) window->OpenProjectFile(context.projectToOpen);
  return window;
}

}  // namespace kelvadrome
