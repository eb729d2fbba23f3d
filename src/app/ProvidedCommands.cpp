// The connection of the commands other windows provide.
#include "app/ProvidedCommands.h"

#include <QAction>

#include "engine/DesignResults.h"
#include "ui/editors/EditorCommands.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/SessionState.h"
#include "ui/main/WallPicture.h"
#include "ui/print/PrintCommands.h"

namespace kelvadrome {

namespace {

using EditorFunction = bool (*)(QWidget*, ProjectData&, const Beeper&);

void ConnectEditor(Form1& window, QAction* action, EditorFunction editor) {
  window.ConnectCommand(action, [&window, editor] {
    window.RunProjectEditor(
        [&window, editor](QWidget* parent) { return editor(parent, window.Document().Project(), SystemBeeper()); });
  });
}

}  // namespace

void ConnectProvidedCommands(Form1& window, DesignResults& design, const SessionState& session) {
  const MainActions& actions = window.Actions();
  ConnectEditor(window, actions.editProperties, &RunPropertiesEditor);
  ConnectEditor(window, actions.editLoads, &RunLoadsEditor);
  ConnectEditor(window, actions.editRestraints, &RunRestraintEditor);

  // A click on a dimension value of the drawing edits that dimension.
  WallPicture& picture = window.Picture();
  QObject::connect(&picture, &WallPicture::DimensionLabelClicked, &window,
                   [&window, &picture](int index, QRect labelRect) {
                     const QRect onScreen(picture.mapToGlobal(labelRect.topLeft()), labelRect.size());
                     window.RunProjectEditor([&window, index, onScreen](QWidget* parent) {
                       return RunDimensionEdit(parent, window.Document().Project(), index, onScreen);
                     });
                   });

  ConnectResultCommands(window, design, session.fonts);
  ConnectPrintCommands(window, design, session.fonts);
}

}  // namespace kelvadrome
