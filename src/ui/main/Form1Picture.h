// The picture of the main window (Picture1): the one place that knows which widget draws the
// wall, so the window itself only asks for a view and a redraw.
#pragma once

#include <optional>

#include "ui/main/ViewKind.h"

class QWidget;

namespace kelvadrome {

class ProjectDocument;

[[nodiscard]] QWidget* CreatePicture(ProjectDocument& document, QWidget* parent);

// Clears the picture and draws the wall with the given view (none: the wall only).
void RedrawPicture(QWidget* picture, std::optional<ViewKind> view);

}  // namespace kelvadrome
