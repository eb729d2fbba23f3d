// A plain white canvas stands in for the drawing of the wall.
#include "ui/main/Form1Picture.h"

#include <QWidget>

namespace kelvadrome {

QWidget* CreatePicture(ProjectDocument&, QWidget* parent) {
  auto* picture = new QWidget(parent);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setAutoFillBackground(true);
  QPalette palette = picture->palette();
  palette.setColor(QPalette::Window, Qt::white);
  picture->setPalette(palette);
  return picture;
}

void RedrawPicture(QWidget* picture, std::optional<ViewKind>) {
  if (picture != nullptr) picture->update();
}

}  // namespace kelvadrome
