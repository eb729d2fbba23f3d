// SPDX-License-Identifier: GPL-3.0-or-later
// The About window.
#include "ui/main/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ProjectData.h"
#include "ui/main/ToolIcons.h"

namespace kelvadrome {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Kelvadrome"));
  setModal(true);

  auto* picture = new QLabel(this);
  picture->setPixmap(MakeToolIcon(ToolIcon::Stability, 48).pixmap(48, 48));
  auto* name = new QLabel(QStringLiteral("Kelvadrome"), this);
  name->setObjectName(QStringLiteral("lblName"));
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  auto* version = new QLabel(QStringLiteral("Version %1 dated %2")
                                 .arg(QString::fromLatin1(kProgramVersion), QString::fromLatin1(kProgramDate)),
                             this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* purpose = new QLabel(QStringLiteral("Design of reinforced-concrete cantilever retaining walls."), this);
  auto* licence = new QLabel(QStringLiteral("Free software under the GNU General Public License, "
                                            "GPL-3.0-or-later.\nIt comes with ABSOLUTELY NO WARRANTY."),
                             this);
  licence->setObjectName(QStringLiteral("lblLicence"));
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(version);
  texts->addWidget(purpose);
  texts->addWidget(licence);
  auto* top = new QHBoxLayout;
  top->addWidget(picture, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(texts);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());
}

}  // namespace kelvadrome
