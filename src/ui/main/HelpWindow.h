// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the program's own HTML pages, opened at a help context number.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace kelvadrome {

// The page of a help context number: 100 the contents, the menus' numbers their pages.
[[nodiscard]] QString HelpPageOfContext(int context);

// Where the pages are: "help" beside the program, else the installed share folder.
[[nodiscard]] QString FindHelpFolder();

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  HelpWindow(const QString& folder, QWidget* parent);
  void ShowContext(int context);
  [[nodiscard]] QTextBrowser* Browser() const { return browser_; }

 private:
  QString folder_;
  QTextBrowser* browser_;
};

}  // namespace kelvadrome
