// SPDX-License-Identifier: GPL-3.0-or-later
// The editors, the dimension labels and undo, connected to the main window's actions.
#include "ui/editors/EditorWiring.h"

#include <QAction>
#include <QLineEdit>

#include <array>

#include "model/ProjectData.h"
#include "ui/editors/EditorCommands.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/WallPicture.h"

namespace kelvadrome {

namespace {

// Named after the fields the labels edit, in label order (see ProjectData).
constexpr std::array<const char*, kDimensionLabelCount> kDimensionNames{
    "toe length",         "stem front batter", "stem top width",   "stem back batter",
    "heel length",        "base width",        "stem front height", "toe taper",
    "toe edge thickness", "stem back height",  "heel taper",        "heel edge thickness",
    "water depth front",  "water depth back",  "backfill slope",    "shear key depth",
};

// The editor works on a copy; only an accepted copy goes to the document, as one named step.
using EditorRun = bool (*)(QWidget*, ProjectData&, const Beeper&);

void RunEditor(Form1& window, const QString& name, EditorRun run) {
  ProjectDocument& document = window.Document();
  ProjectData edited = document.Project();
  if (!run(&window, edited, SystemBeeper())) return;
  document.Apply(name, [&edited](ProjectData& p) { p = edited; });
}

void OnDimensionLabelClicked(Form1& window, int index, const QRect& rectInPicture) {
  ProjectDocument& document = window.Document();
  ProjectData edited = document.Project();
  const QRect global(window.Picture().mapToGlobal(rectInPicture.topLeft()), rectInPicture.size());
  if (!RunDimensionEdit(&window, edited, index, global)) return;
  document.Apply(DimensionChangeName(index), [&edited](ProjectData& p) { p = edited; });
}

}  // namespace

QString DimensionChangeName(int index) {
  return QString::fromLatin1(kDimensionNames.at(static_cast<std::size_t>(index)));
}

ProjectUndo::ProjectUndo(Form1& window) : QObject(&window), window_(window) {
  ProjectDocument& document = window.Document();
  connect(&document, &ProjectDocument::Changed, this, &ProjectUndo::UpdateActions);
  // Typing a title is one step until the user leaves the title box.
  connect(window.Controls().text1, &QLineEdit::editingFinished, &document, &ProjectDocument::EndTyping);

  const MainActions& a = window.Actions();
  a.editRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  window.ConnectCommand(a.editUndo, [this] { Undo(); });
  window.ConnectCommand(a.editRedo, [this] { Redo(); });
  UpdateActions();
}

void ProjectUndo::Undo() { window_.Document().Undo(); }

void ProjectUndo::Redo() { window_.Document().Redo(); }

void ProjectUndo::UpdateActions() {
  const ProjectDocument& document = window_.Document();
  const MainActions& a = window_.Actions();
  a.editUndo->setEnabled(document.CanUndo());
  a.editRedo->setEnabled(document.CanRedo());
  const QString undoName = document.UndoName();
  const QString redoName = document.RedoName();
  a.editUndo->setText(undoName.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undoName);
  a.editRedo->setText(redoName.isEmpty() ? QStringLiteral("R&edo") : QStringLiteral("R&edo ") + redoName);
}

ProjectUndo* InstallProjectUndo(Form1& window) { return new ProjectUndo(window); }

void ConnectEditorCommands(Form1& window) {
  const MainActions& a = window.Actions();
  window.ConnectCommand(a.editProperties, [&window] { RunEditor(window, QStringLiteral("Properties"), &RunPropertiesEditor); });
  window.ConnectCommand(a.editLoads, [&window] { RunEditor(window, QStringLiteral("Loads"), &RunLoadsEditor); });
  window.ConnectCommand(a.editRestraints,
                        [&window] { RunEditor(window, QStringLiteral("Restraints"), &RunRestraintEditor); });
  QObject::connect(&window.Picture(), &WallPicture::DimensionLabelClicked, &window, [&window](int index, QRect rect) {
    window.RunGuarded([&window, index, rect] { OnDimensionLabelClicked(window, index, rect); });
  });
}

}  // namespace kelvadrome
