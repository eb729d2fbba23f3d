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

// Types text over the selected value and presses Enter.
ModalScript<frmEdit>::Step Type(const QString& text) {
  return [text](frmEdit& box) {
    QTest::keyClicks(Text(box), text);
    QTest::keyClick(Text(box), Qt::Key_Return);
  };
}

ProjectData Defaults() {
  ProjectData p;
  SetDefaults(p);
  p.shearKeyOption = true;
  return p;
}

// Edits label `index` by typing each text in turn into the box as it opens.
bool Edit(ProjectData& p, int index, std::deque<ModalScript<frmEdit>::Step> steps, BeepCounter& beeps) {
  ModalScript<frmEdit> script(std::move(steps));
  const bool changed = RunDimensionEdit(nullptr, p, index, kLabel, beeps.Beeper());
  if (!script.Finished()) qWarning("script left steps over");
  return changed;
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
      const bool changed = Edit(p, label,
                                {Type(QStringLiteral("-2")),
                                 [&reopenedWith](frmEdit& box) {
                                   reopenedWith = Text(box)->text();
                                   QTest::keyClick(Text(box), Qt::Key_Escape);
                                 }},
                                beeps);
      QVERIFY(!changed);
      QCOMPARE(beeps.count, 1);
      QCOMPARE(reopenedWith, shown);
      QVERIFY(p == before);
    }
  }

};

QTEST_MAIN(EditorDimensionTest)
#include "EditorDimensionTest.moc"
