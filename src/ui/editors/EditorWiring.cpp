// SPDX-License-Identifier: GPL-3.0-or-later
// The editors, the dimension labels and undo, connected to the main window's actions.
#include "ui/editors/EditorWiring.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>

#include "ui/editors/EditorCommands.h"
#include "ui/main/FileCommands.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/WallPicture.h"

namespace kelvadrome {

namespace {

const QString kTitleChange = QStringLiteral("Title");
const QString kUndo = QStringLiteral("Undo");
const QString kRedo = QStringLiteral("Redo");

void OnDimensionLabelClicked(Form1& window, int index, const QRect& rectInPicture) {
  ProjectDocument& document = window.Document();
  ProjectData edited = document.Project();
  const QRect global(window.Picture().mapToGlobal(rectInPicture.topLeft()), rectInPicture.size());
  if (!RunDimensionEdit(&window, edited, index, global)) return;
  document.ApplyChange(QStringLiteral("Dimension"), [&edited](ProjectData& p) { p = edited; });
  window.RefreshView();
}

}  // namespace

ProjectUndo::ProjectUndo(Form1& window) : QObject(&window), window_(window) {
  ProjectDocument& document = window.Document();
  history_.Reset(document.Project());
  connect(&document, &ProjectDocument::Changed, this, &ProjectUndo::OnChanged);
  connect(&document, &ProjectDocument::Replaced, this, [this] {
    history_.Reset(window_.Document().Project());
    ScheduleAmend();
    UpdateActions();
  });
  // The title announced after Save (or Open) with nothing unsaved: this state is on disk.
  connect(&window.Files(), &FileCommands::TitleChanged, this, [this] {
    if (!window_.Document().IsModified()) history_.MarkSaved();
  });
  // Typing a title is one step until the user leaves the title box.
  connect(window.Controls().text1, &QLineEdit::editingFinished, this, [this] { history_.EndMerge(); });
  connect(&window.Picture(), &WallPicture::EngineMessage, this, &ProjectUndo::ScheduleAmend);

  const MainActions& a = window.Actions();
  a.editRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  window.ConnectCommand(a.editUndo, [this] { Undo(); });
  window.ConnectCommand(a.editRedo, [this] { Redo(); });
  // Calculate Stability and the concrete design may flatten the slope without a change before.
  for (QAction* action : {a.calculateStability, a.calculateConcrete})
    connect(action, &QAction::triggered, this, &ProjectUndo::ScheduleAmend);
  UpdateActions();
}

void ProjectUndo::OnChanged(const QString& description) {
  // An undo or redo announces the state the history already stands on: nothing to record.
  if (description == kUndo || description == kRedo) return;
  // A change described as "Undo something" names its step in the Edit menu.
  const QString label = description.startsWith(QStringLiteral("Undo ")) ? description.mid(5) : QString();
  history_.Commit(window_.Document().Project(), description == kTitleChange ? "title" : "", label.toStdString());
  ScheduleAmend();
  UpdateActions();
}

void ProjectUndo::Undo() { Restore(&UndoHistory::Undo, kUndo); }

void ProjectUndo::Redo() { Restore(&UndoHistory::Redo, kRedo); }

void ProjectUndo::Restore(bool (UndoHistory::*step)(ProjectData&), const QString& description) {
  bool moved = false;
  window_.Document().ApplyChange(description, [this, step, &moved](ProjectData& p) { moved = (history_.*step)(p); });
  if (moved) window_.FillControlsFromProject();
  UpdateActions();
}

// The refresh that follows a change may flatten the backfill slope; that belongs to the change.
void ProjectUndo::ScheduleAmend() {
  if (amendScheduled_) return;
  amendScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    amendScheduled_ = false;
    history_.Amend(window_.Document().Project());
    UpdateActions();
  });
}

void ProjectUndo::UpdateActions() {
  const MainActions& a = window_.Actions();
  a.editUndo->setEnabled(history_.CanUndo());
  a.editRedo->setEnabled(history_.CanRedo());
  const QString undoLabel = QString::fromStdString(std::string(history_.UndoLabel()));
  const QString redoLabel = QString::fromStdString(std::string(history_.RedoLabel()));
  a.editUndo->setText(undoLabel.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undoLabel);
  a.editRedo->setText(redoLabel.isEmpty() ? QStringLiteral("R&edo") : QStringLiteral("R&edo ") + redoLabel);
}

ProjectUndo* InstallProjectUndo(Form1& window) { return new ProjectUndo(window); }

void ConnectEditorCommands(Form1& window) {
  const MainActions& a = window.Actions();
  const auto editor = [&window](bool (*run)(QWidget*, ProjectData&, const Beeper&)) {
    return [&window, run] {
      window.RunProjectEditor([&window, run](QWidget* parent) { return run(parent, window.Document().Project(), SystemBeeper()); });
    };
  };
  window.ConnectCommand(a.editProperties, editor(&RunPropertiesEditor));
  window.ConnectCommand(a.editLoads, editor(&RunLoadsEditor));
  window.ConnectCommand(a.editRestraints, editor(&RunRestraintEditor));
  QObject::connect(&window.Picture(), &WallPicture::DimensionLabelClicked, &window, [&window](int index, QRect rect) {
    window.RunGuarded([&window, index, rect] { OnDimensionLabelClicked(window, index, rect); });
  });
}

}  // namespace kelvadrome
