// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the editors from the main window and writing their result on Accept.
#include "ui/editors/EditorCommands.h"

#include "model/ProjectData.h"
#include "ui/editors/DimensionEditCommand.h"
#include "ui/editors/frmEdit.h"
#include "ui/editors/frmLoads.h"
#include "ui/editors/frmProperties.h"
#include "ui/editors/frmRestraint.h"

namespace kelvadrome {

namespace {

template <typename Editor>
bool RunEditor(QWidget* parent, ProjectData& project, const Beeper& beep) {
  Editor editor(project, parent, beep);
  if (editor.exec() != QDialog::Accepted) return false;
  editor.ApplyTo(project);
  return true;
}

}  // namespace

bool RunLoadsEditor(QWidget* parent, ProjectData& project, const Beeper& beep) {
  return RunEditor<frmLoads>(parent, project, beep);
}

bool RunPropertiesEditor(QWidget* parent, ProjectData& project, const Beeper& beep) {
  return RunEditor<frmProperties>(parent, project, beep);
}

bool RunRestraintEditor(QWidget* parent, ProjectData& project, const Beeper& beep) {
  return RunEditor<frmRestraint>(parent, project, beep);
}

bool RunDimensionEdit(QWidget* parent, ProjectData& project, int labelIndex, const QRect& labelRectGlobal,
                      const Beeper& beep) {
  frmEdit box(parent, beep);
  return EditDimension(box, project, labelIndex, labelRectGlobal, beep);
}

}  // namespace kelvadrome
