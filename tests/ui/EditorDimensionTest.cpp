// SPDX-License-Identifier: GPL-3.0-or-later
// Clicking a dimension label: each of the sixteen labels refuses a negative value through the real
// value box with a beep and opens it again on the old value.

#include "EditorTestSupport.h"
#include "model/DimensionEdit.h"
#include "model/ProjectData.h"
#include "ui/editors/EditorCommands.h"
#include "ui/editors/frmEdit.h"

using namespace kelvadrome;
using kelvadrome::test::BeepCounter;
using kelvadrome::test::ModalScript;

namespace {

const QRect kLabel(300, 200, 40, 14);

QLineEdit* Text(frmEdit& box) { return box.findChild<QLineEdit*>(QStringLiteral("Text1")); }

ProjectData Defaults() {
  ProjectData p = test::DefaultProject();
  p.shearKeyOption = true;
  return p;
}

}  // namespace

class EditorDimensionTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryLabelRefusesANegativeValueWithABeepAndReopensWithTheOldValue() {
    for (int label = 0; label < kDimensionLabelCount; ++label) {
      ProjectData p = Defaults();
      const ProjectData before = p;
      const QString shown = QString::number(double(DimensionLabelValue(p, label)));
      BeepCounter beeps;
      QString reopenedWith;
      ModalScript<frmEdit> script({[](frmEdit& box) {
                                     QTest::keyClicks(Text(box), QStringLiteral("-2"));
                                     QTest::keyClick(Text(box), Qt::Key_Return);
                                   },
                                   [&reopenedWith](frmEdit& box) {
                                     reopenedWith = Text(box)->text();
                                     QTest::keyClick(Text(box), Qt::Key_Escape);
                                   }});
      const bool changed = RunDimensionEdit(nullptr, p, label, kLabel, beeps.Beeper());
      QVERIFY(script.Finished());
      QVERIFY(!changed);
      QCOMPARE(beeps.count, 1);
      QCOMPARE(reopenedWith, shown);
      QVERIFY(p == before);
    }
  }

};

QTEST_MAIN(EditorDimensionTest)
#include "EditorDimensionTest.moc"
