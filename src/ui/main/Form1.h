// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the drawing of the wall, the title, the command buttons, the tool bar, the
// unit, view and option controls and the results panel. It follows the document: every change
// of the project, and every choice of a view, schedules one refresh for when the event loop
// comes round, however many arrive before it does.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/main/MainActions.h"
#include "ui/main/MainControls.h"
#include "ui/main/MainToolBar.h"
#include "ui/main/SettingsStore.h"
#include "report/drawing/TwipsScale.h"
#include "report/drawing/ViewKind.h"

class QPrinter;
class QSettings;

namespace kelvadrome {

class FileCommands;
class FileDialogs;
class GlobalSearch;
class HelpWindow;
class ProjectDocument;
class UserPrompts;
class WallPicture;
struct SessionState;

// The platform services the window uses, injected so that tests drive it without blocking.
struct Form1Services {
  FileDialogs& dialogs;
  UserPrompts& prompts;
  QSettings& settings;
};

class Form1 final : public QMainWindow {
  Q_OBJECT

 public:
  Form1(ProjectDocument& document, SessionState& session, Form1Services services);
  ~Form1() override;

  // Runs the refresh that is scheduled, if any, at once: for what needs the drawing and the
  // document's analysis up to date before it goes on (the stability and concrete commands).
  void RefreshNow();
  // How many service analyses the refreshes have run (tests count them).
  [[nodiscard]] int AnalysisCount() const { return analysisCount_; }
  // Every tool bar panel flat again.
  void ResetToolbar();

  // Runs a command; a run-time fault ends it with a message box and the program goes on.
  void RunGuarded(const std::function<void()>& command);
  // Enables a command built elsewhere and runs it guarded whenever its action is triggered
  // (menu entry, tool bar button or command button alike).
  void ConnectCommand(QAction* action, const std::function<void()>& command);

  // Selecting a view as the option button does (the menu toggles go through this too).
  void SelectView(ViewKind view);
  [[nodiscard]] std::optional<ViewKind> CurrentView() const { return currentView_; }
  [[nodiscard]] std::array<bool, kViewCount> ViewEnabled() const;

  // Opens a project file as File Open does once a file is chosen (program argument, drop).
  bool OpenProjectFile(const QString& path);

  // The placement the settings store would receive now, in twips.
  [[nodiscard]] WindowPlacement CurrentPlacement() const;
  void RestorePlacement(const WindowPlacement& placement);
  // The first start, with no placement stored: maximised, so that the window manager fits frame
  // and title bar on the screen; restoring it gives a window well inside the screen.
  void PlaceForFirstStart();

  // Shows the help window at a help context number (100 is the contents).
  void ShowHelp(int context = 100);

  [[nodiscard]] const MainActions& Actions() const { return actions_; }
  [[nodiscard]] const MainControls& Controls() const { return controls_; }
  [[nodiscard]] const ToolStrip& Tools() const { return tools_; }
  [[nodiscard]] FileCommands& Files() { return *files_; }
  [[nodiscard]] ProjectDocument& Document() { return document_; }
  [[nodiscard]] UserPrompts& Prompts() { return services_.prompts; }
  // The printer the report uses; Printer setup changes it.
  [[nodiscard]] QPrinter& Printer();

  // What Calculate Stability shows after the analysis (the stability dialog).
  void SetStabilityDialog(std::function<void(QWidget* parent)> show) { showStability_ = std::move(show); }

  // The drawing (Picture1) with its dimension labels.
  [[nodiscard]] WallPicture& Picture() { return *picture_; }
  // The critical slip circle of the Global view and the stability window.
  [[nodiscard]] GlobalSearch& Global() { return *globalSearch_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ConnectCommands();
  void ConnectOptions();
  void UpdateTitle();
  void UpdateRecentMenu();
  void UpdateMinimumSize();
  void LayoutWindow();
  void ApplyViewAvailability();
  void ShowVerdict();
  void SyncProjectControls();
  void SyncOptionControls();
  void SyncViewControls();
  void TellMessages(const std::vector<std::string>& messages);

  // The refresh: marked pending by a change or a view choice, run once by the timer.
  void ScheduleRefresh();
  void RefreshView();

  // Handlers of the controls.
  void OnViewClicked(int index);
  void OnViewMenu(int index);
  void OnWaterClicked();
  void OnSeismicClicked();
  void OnShearKeyClicked();
  void OnUnitChosen(int index);
  void OnTitleEdited(const QString& text);
  void OnCalculateStability();

  ProjectDocument& document_;
  SessionState& session_;
  Form1Services services_;
  TwipsScale scale_;
  MainActions actions_;
  ToolStrip tools_;
  MainControls controls_;
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<QPrinter> printer_;
  WallPicture* picture_ = nullptr;
  GlobalSearch* globalSearch_ = nullptr;
  HelpWindow* help_ = nullptr;
  std::optional<ViewKind> currentView_;
  std::function<void(QWidget*)> showStability_;
  QTimer refreshTimer_;
  bool refreshPending_ = false;
  bool redrawWanted_ = false;  // a view was chosen: analyse and draw even if nothing changed
  bool refreshing_ = false;
  int analysisCount_ = 0;
};

}  // namespace kelvadrome
