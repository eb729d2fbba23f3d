// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the main window. The classic window measures from its outer frame; here the
// sizes are those of the client area below the menu bar, which drops the title bar, menu bar
// and borders from the sums and keeps every distance between controls as it was.
#include "ui/main/MainLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvadrome {

namespace {

constexpr double kButtonTop = 435;
constexpr double kButtonHeight = 375;
constexpr double kRightColumn = 1395;  // room right of the panels
constexpr double kTitleHeight = 405;   // Panel3D2
constexpr double kResultsHeight = 405; // Panel3D3
constexpr double kBottomMargin = 60;
constexpr double kComboWidth = 1215;
constexpr double kComboRightMargin = 120;
constexpr double kLabel4Width = 480;
constexpr double kLabel5Width = 1335;
constexpr double kRowStep = 240;
constexpr double kRowHeight = 255;

}  // namespace

void LayoutMainControls(const MainControls& c, TwipsScale s, int clientWidth, int clientHeight) {
  const double width = s.Twips(clientWidth);
  const double height = s.Twips(clientHeight);
  auto place = [&s](QWidget* w, double left, double top, double wide, double high) {
    w->setGeometry(s.Px(left), s.Px(top), std::max(0, s.Px(wide)), std::max(0, s.Px(high)));
  };

  const double left = 60;
  const double panelWidth = width - left - kRightColumn;

  // Title strip.
  const double titleTop = kButtonHeight + kButtonTop + 15;
  place(c.panel3D2, left, titleTop, panelWidth, kTitleHeight);
  const double innerTop = (kTitleHeight - 300) / 2;
  place(c.label4, 45, innerTop + 30, kLabel4Width, 255);
  place(c.text1, 45 + kLabel4Width, innerTop, panelWidth - kLabel4Width - 75, 300);

  // Drawing, then the results panel under it.
  const double pictureTop = titleTop + kTitleHeight + 15;
  const double pictureHeight = height - pictureTop - 15 - kResultsHeight - kBottomMargin;
  place(c.panel3D1, left, pictureTop, panelWidth, pictureHeight);
  if (c.picture1 != nullptr) {
    const int frame = c.panel3D1->frameWidth();
    c.picture1->setGeometry(frame, frame, std::max(0, c.panel3D1->width() - 2 * frame),
                            std::max(0, c.panel3D1->height() - 2 * frame));
  }
  const double resultsTop = pictureTop + pictureHeight + 15;
  place(c.panel3D3, left, resultsTop, panelWidth, kResultsHeight);
  place(c.label5, 60, 75, kLabel5Width, 255);
  place(c.label6, 60 + kLabel5Width, 75, panelWidth - kLabel5Width - 75 - 60, 255);

  // Command buttons, five in a row over the panels.
  const double buttonWidth = (panelWidth - 120) / 5;
  double buttonLeft = left;
  for (QPushButton* button : {c.command2, c.command3, c.command6, c.command4, c.command5}) {
    place(button, buttonLeft, kButtonTop, buttonWidth, kButtonHeight);
    buttonLeft += buttonWidth + 30;
  }

  // The column on the right.
  const double label1Left = left + panelWidth + 60;
  const double comboLeft = width - kComboWidth - kComboRightMargin;
  const double columnWidth = width - comboLeft - 30;
  place(c.label1, label1Left, kButtonTop, columnWidth, kRowHeight);
  place(c.combo1, comboLeft, kButtonTop + 240, kComboWidth, 315);
  const double label2Top = kButtonTop + 690;
  place(c.label2, label1Left, label2Top, columnWidth, kRowHeight);
  double top = label2Top + kRowStep;
  place(c.optView[0], comboLeft, top, columnWidth, kRowHeight);
  top += kRowStep;
  place(c.label3, comboLeft, top, columnWidth, kRowHeight);
  for (int i = 1; i < kViewCount; ++i) {
    top += kRowStep;
    place(c.optView[i], comboLeft, top, columnWidth, kRowHeight);
  }
  top += 330;
  place(c.label7, label1Left, top, columnWidth, kRowHeight);
  top += kRowStep;
  place(c.check1, comboLeft, top, columnWidth, kRowHeight);
  top += kRowStep;
  place(c.check2, comboLeft, top, columnWidth, kRowHeight);
  top += kRowStep;
  place(c.label8, comboLeft + 270, top, columnWidth - 270, kRowHeight);
  top += kRowStep;
  place(c.check3, comboLeft, top, columnWidth, kRowHeight);
}

}  // namespace kelvadrome
