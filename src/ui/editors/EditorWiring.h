// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the input editors to the main window: the Properties, Loads and Restraints commands,
// the dimension labels of the drawing, and Edit > Undo and Redo over the document's history.
#pragma once

#include <QObject>
#include <QString>

namespace kelvadrome {

class Form1;

// Edit > Undo and Redo of the main window's document: the actions step through its history and
// name the step they would take ("&Undo Properties"); leaving the title box ends a typing step.
class ProjectUndo final : public QObject {
  Q_OBJECT

 public:
  explicit ProjectUndo(Form1& window);

  void Undo();
  void Redo();

 private:
  void UpdateActions();

  Form1& window_;
};

// The undo name of dimension label `index` (0..15): "toe length", ..., "shear key depth".
[[nodiscard]] QString DimensionChangeName(int index);

// Connects the Properties, Loads and Restraints commands and the dimension labels once the main
// window stands.
void ConnectEditorCommands(Form1& window);

// Gives the main window its Edit > Undo and Redo; the wiring belongs to the window.
ProjectUndo* InstallProjectUndo(Form1& window);

}  // namespace kelvadrome
