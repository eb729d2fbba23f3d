// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the input editors to the main window: the Properties, Loads and Restraints commands,
// the dimension labels of the drawing, and Edit > Undo and Redo over every accepted change.
#pragma once

#include <QObject>
#include <QString>

#include "model/UndoHistory.h"

namespace kelvadrome {

class Form1;

// The undo history of the main window's project. Every change the document announces becomes a
// step (a burst of title typing one step); what the engine changes in the refresh that follows
// (a flattened backfill slope) joins that step. Opening or creating a project starts afresh.
class ProjectUndo final : public QObject {
  Q_OBJECT

 public:
  explicit ProjectUndo(Form1& window);

  void Undo();
  void Redo();
  [[nodiscard]] const UndoHistory& History() const { return history_; }

 private:
  void OnChanged(const QString& description);
  void Restore(bool (UndoHistory::*step)(ProjectData&), const QString& description);
  void ScheduleAmend();
  void UpdateActions();

  Form1& window_;
  UndoHistory history_;
  bool amendScheduled_ = false;
};

// Connects the Properties, Loads and Restraints commands and the dimension labels once the main
// window stands.
void ConnectEditorCommands(Form1& window);

// Gives the main window its undo history (Edit > Undo and Redo); it belongs to the window.
ProjectUndo* InstallProjectUndo(Form1& window);

}  // namespace kelvadrome
