// SPDX-License-Identifier: GPL-3.0-or-later
// Creation of the main window's controls with their captions.
#include "ui/main/MainControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvadrome {

namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QFrame* Panel(QWidget* parent, const char* name) {
  auto* panel = Named(new QFrame(parent), name);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  return panel;
}

QLabel* Label(QWidget* parent, const char* caption, const char* name) {
  return Named(new QLabel(QString::fromUtf8(caption), parent), name);
}

}  // namespace

MainControls CreateMainControls(QWidget* parent) {
  MainControls c;
  c.command2 = Named(new QPushButton(QStringLiteral("&Properties"), parent), "Command2");
  c.command3 = Named(new QPushButton(QStringLiteral("&Loads"), parent), "Command3");
  c.command6 = Named(new QPushButton(QStringLiteral("&Restraints"), parent), "Command6");
  c.command4 = Named(new QPushButton(QStringLiteral("&Stability"), parent), "Command4");
  c.command5 = Named(new QPushButton(QStringLiteral("Co&ncrete"), parent), "Command5");

  c.panel3D2 = Panel(parent, "Panel3D2");
  c.label4 = Label(c.panel3D2, "Title:", "Label4");
  c.text1 = Named(new QLineEdit(c.panel3D2), "Text1");
  c.label4->setBuddy(c.text1);

  c.panel3D1 = Panel(parent, "Panel3D1");

  c.panel3D3 = Panel(parent, "Panel3D3");
  c.label5 = Label(c.panel3D3, "", "Label5");
  QFont bold = c.label5->font();
  bold.setBold(true);
  c.label5->setFont(bold);
  c.label6 = Label(c.panel3D3, "", "Label6");

  c.label1 = Label(parent, "Unit:", "Label1");
  c.combo1 = Named(new QComboBox(parent), "Combo1");
  c.combo1->addItems({QStringLiteral("Metric"), QStringLiteral("SI"), QStringLiteral("British")});
  c.label2 = Label(parent, "View:", "Label2");
  c.label3 = Label(parent, "Loads", "Label3");
  c.viewGroup = new QButtonGroup(parent);
  for (int i = 0; i < kViewCount; ++i) {
    c.optView[i] = new QRadioButton(QString::fromLatin1(kViewCaptions[i]), parent);
    c.optView[i]->setObjectName(QStringLiteral("optView%1").arg(i));
    c.viewGroup->addButton(c.optView[i], i);
  }
  c.label7 = Label(parent, "Options:", "Label7");
  c.check1 = Named(new QCheckBox(QStringLiteral("Water"), parent), "Check1");
  c.check2 = Named(new QCheckBox(QStringLiteral("Seismic"), parent), "Check2");
  c.check3 = Named(new QCheckBox(QStringLiteral("Shear key"), parent), "Check3");
  c.label8 = Label(parent, "0.15g", "Label8");
  return c;
}

}  // namespace kelvadrome
