// SPDX-License-Identifier: GPL-3.0-or-later
// The help window. It stays open beside the main window while the user works, as a help viewer
// does, and follows the links between the pages.
#include "ui/main/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kelvadrome {

QString HelpPageOfContext(int context) {
  switch (context) {
    case 210: return QStringLiteral("files.html");
    case 220: return QStringLiteral("entering.html");
    case 230: return QStringLiteral("views.html");
    case 240: return QStringLiteral("results.html");
    case 250: return QStringLiteral("units.html");
    default: return QStringLiteral("index.html");
  }
}

QString FindHelpFolder() {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {programFolder.filePath(QStringLiteral("help")),
                                   programFolder.filePath(QStringLiteral("../share/kelvadrome/help"))}) {
    if (QFileInfo::exists(QDir(candidate).filePath(QStringLiteral("index.html")))) return QDir::cleanPath(candidate);
  }
  return programFolder.filePath(QStringLiteral("help"));
}

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Kelvadrome help"));
  browser_->setSearchPaths({folder_});
  browser_->setOpenExternalLinks(true);
  auto* back = new QPushButton(QStringLiteral("&Back"), this);
  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(contents, &QPushButton::clicked, this, [this] { ShowContext(100); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  back->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(contents);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  resize(720, 640);
}

void HelpWindow::ShowContext(int context) {
  const QString page = QDir(folder_).filePath(HelpPageOfContext(context));
  if (QFileInfo::exists(page)) {
    browser_->setSource(QUrl::fromLocalFile(page));
  } else {
    browser_->setHtml(QStringLiteral("<h2>Help not found</h2><p>The help pages were expected in %1.</p>")
                          .arg(QDir::toNativeSeparators(folder_).toHtmlEscaped()));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace kelvadrome
