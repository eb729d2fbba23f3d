// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's construction, its events and its placement on the screen.
#include "ui/main/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QUrl>

#include "ui/main/FileCommands.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainMenus.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/SessionState.h"
#include "ui/main/GlobalSearch.h"
#include "ui/main/StabilityDialog.h"
#include "ui/main/UserPrompts.h"
#include "ui/main/WallPicture.h"
#include "ui/main/frmAbout.h"

namespace kelvadrome {

Form1::Form1(ProjectDocument& document, SessionState& session, Form1Services services)
    : document_(document), session_(session), services_(services), scale_(TwipsScale::ForScreen(nullptr)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kelvadrome "));
  setAcceptDrops(true);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8.25);
  setFont(font);

  actions_ = CreateMainActions(this);
  BuildMainMenus(*menuBar(), actions_);
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Form1Client"));
  setCentralWidget(central);
  tools_ = CreateToolStrip(actions_, scale_, central);
  controls_ = CreateMainControls(central);
  picture_ = new WallPicture(document_, controls_.panel3D1);
  controls_.picture1 = picture_;
  globalSearch_ = new GlobalSearch(this);
  picture_->SetGlobalSearch(globalSearch_);
  refreshTimer_.setSingleShot(true);
  refreshTimer_.setInterval(0);
  connect(&refreshTimer_, &QTimer::timeout, this, [this] { RunGuarded([this] { RefreshNow(); }); });
  connect(&document_, &ProjectDocument::Changed, this, &Form1::ScheduleRefresh);
  files_ = std::make_unique<FileCommands>(document_, session_, services_.dialogs, services_.prompts, this);

  showStability_ = [this](QWidget* parent) {
    const StabilityResults& stability = document_.Results().stability;
    // Searched here only when the Global view has not found it for this project already.
    const GlobalStabilityResults global = stability.wallStable
                                              ? globalSearch_->Compute(document_.Project(), document_.Results())
                                              : GlobalStabilityResults{};
    frmStability dialog(stability, global, document_.Project().unitSystem, parent);
    dialog.exec();
  };
  ConnectCommands();
  ConnectOptions();
  for (QWidget* w : std::initializer_list<QWidget*>{central, controls_.picture1, controls_.text1, controls_.label4,
                                                    controls_.panel3D1, controls_.panel3D2, tools_.panel}) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->installEventFilter(this);
  UpdateRecentMenu();
  UpdateMinimumSize();
  ScheduleRefresh();
  RunGuarded([this] { RefreshNow(); });
}

Form1::~Form1() = default;

QPrinter& Form1::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::A4));
  }
  return *printer_;
}

void Form1::RunGuarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
    services_.prompts.Warn(this, QString::fromUtf8(error.what()));
  }
}

void Form1::ConnectCommand(QAction* action, const std::function<void()>& command) {
  action->setEnabled(true);
  connect(action, &QAction::triggered, this, [this, command] { RunGuarded(command); });
}

bool Form1::OpenProjectFile(const QString& path) {
  bool opened = false;
  RunGuarded([&] { opened = files_->OpenPath(path); });
  return opened;
}

void Form1::ShowHelp(int context) {
  if (help_ == nullptr) help_ = new HelpWindow(session_.helpFolder, this);
  help_->ShowContext(context);
}

void Form1::UpdateTitle() { setWindowTitle(files_->WindowTitle()); }

void Form1::UpdateRecentMenu() {
  const RecentFileList& recent = session_.recent;
  actions_.fileRecentSeparator->setVisible(recent.count > 0);
  for (int i = 1; i <= kRecentFileSlots; ++i) {
    QAction* entry = actions_.fileRecent[i];
    const bool used = i <= recent.count;
    entry->setText(used ? RecentFileCaption(i, recent.files[i]) : QString());
    entry->setVisible(used);
  }
}

void Form1::ResetToolbar() { ResetToolStrip(tools_); }

void Form1::UpdateMinimumSize() {
  const QSize frameExtra = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
  setMinimumSize(scale_.Px(kMinWindowWidthTwips) - frameExtra.width(),
                 scale_.Px(kMinWindowHeightTwips) - frameExtra.height());
}

void Form1::LayoutWindow() {
  const QWidget* client = centralWidget();
  LayoutToolStrip(tools_, scale_, client->width());
  LayoutMainControls(controls_, scale_, client->width(), client->height());
}

void Form1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  UpdateMinimumSize();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    ResetToolbar();
  } else if (event->type() == QEvent::Resize && watched == centralWidget() && !isMinimized()) {
    // The picture fits the wall to its new size and draws the state it last analysed, so a
    // resize neither analyses again nor repeats the messages of that analysis.
    LayoutWindow();
  } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    // F1 in an open menu opens the help at that menu's page.
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
      const int context = menu->menuAction()->property("helpContext").toInt();
      menu->close();
      ShowHelp(context > 0 ? context : 100);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
  if (!files_->ConfirmDiscardChanges()) {
    event->ignore();
    return;
  }
  SettingsStore::Save(services_.settings, StoredSettings{session_.recent, session_.lastDirectory, CurrentPlacement()});
  if (help_ != nullptr) help_->close();
  event->accept();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.front().isLocalFile()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  OpenProjectFile(urls.front().toLocalFile());
}

WindowPlacement Form1::CurrentPlacement() const {
  WindowPlacement placement;
  // A minimised window is kept as a normal one, even when it was maximised before.
  const bool maximised = isMaximized() && !isMinimized();
  placement.state = maximised ? StoredWindowState::Maximised : StoredWindowState::Normal;
  QRect normal = normalGeometry();
  if (!normal.isValid()) normal = geometry();
  placement.left = static_cast<int>(std::lround(scale_.Twips(normal.x())));
  placement.top = static_cast<int>(std::lround(scale_.Twips(normal.y())));
  placement.width = static_cast<int>(std::lround(scale_.Twips(normal.width())));
  placement.height = static_cast<int>(std::lround(scale_.Twips(normal.height())));
  return placement;
}

void Form1::RestorePlacement(const WindowPlacement& placement) {
  QRect wanted(scale_.Px(placement.left), scale_.Px(placement.top), scale_.Px(placement.width),
               scale_.Px(placement.height));
  // A placement from a screen that is no longer there, or larger than the screen, is brought
  // back onto the screen the window can use.
  const QScreen* screen = QGuiApplication::screenAt(wanted.topLeft());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    wanted.setWidth(std::min(wanted.width(), area.width()));
    wanted.setHeight(std::min(wanted.height(), area.height()));
    if (!area.intersects(wanted)) wanted.moveTopLeft(area.topLeft());
  }
  setGeometry(wanted);
  if (placement.state == StoredWindowState::Maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void Form1::PlaceForFirstStart() {
  // The whole screen as the client area would leave the frame hanging over the edges: the normal
  // placement keeps an eighth of the screen free on every side instead.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    QRect normal(QPoint(0, 0), area.size() * 3 / 4);
    normal.moveCenter(area.center());
    setGeometry(normal);
  }
  setWindowState(windowState() | Qt::WindowMaximized);
}

}  // namespace kelvadrome
