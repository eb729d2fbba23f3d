// SPDX-License-Identifier: GPL-3.0-or-later
// The restraint editor: the switches, the enabled states of the two values, validation and Accept.

#include "EditorTestSupport.h"
#include "model/ProjectData.h"
#include "ui/editors/EditorCommands.h"
#include "ui/editors/frmRestraint.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

ProjectData Defaults() {
  ProjectData p = DefaultProject();
  p.restraintForce = 12.5f;
  p.restraintForceOption = true;
  return p;
}

QCheckBox* Check(QWidget& w, int i) { return w.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i)); }

// Clicks a switch on its box (a check box's blank area right of its caption does nothing).
void Toggle(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

}  // namespace

class RestraintEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void SwitchesEnableTheirValuesAndDisabledValuesAreKept() {
    ProjectData p = Defaults();
    ModalScript<frmRestraint> script({[](frmRestraint& w) {
      Toggle(Check(w, 1));
      QVERIFY(!Value(w, 0)->isEnabled());
      QCOMPARE(Value(w, 0)->text(), QStringLiteral("12.5"));
      Toggle(Check(w, 2));
      QVERIFY(Value(w, 1)->isEnabled());
      Toggle(Check(w, 0));
      QTest::keyClick(Value(w, 1), Qt::Key_Return);
    }});
    QVERIFY(RunRestraintEditor(nullptr, p, [] {}));
    QVERIFY(script.Finished());
    QCOMPARE(p.restraintForceOption, false);
    QCOMPARE(p.restraintForce, 12.5f);  // not reset by unchecking
    QCOMPARE(p.shearKeyOption, true);
    QCOMPARE(p.toePassiveOption, true);
    QCOMPARE(p.shearKeyDepth, 0.67f);
  }

  // Zero is a value, a negative one beeps; a value refused as its switch goes off leaves the stored
  // value as it was.
  void ZeroIsAcceptedNegativeBeepsAndARefusedValueKeepsTheStoredOne() {
    BeepCounter beeps;
    ProjectData p = Defaults();
    p.shearKeyOption = true;
    frmRestraint w(p, nullptr, beeps.Beeper());
    QVERIFY(ShowActive(w));
    QVERIFY(!TypeAndLeave(Value(w, 1), "-1"));
    QVERIFY(TypeAndLeave(Value(w, 1), "0"));
    QCOMPARE(beeps.count, 1);
    Retype(Value(w, 0), "-5");
    Toggle(Check(w, 1));  // leaves the box (beep) and switches it off
    QCoreApplication::processEvents();
    QCOMPARE(beeps.count, 2);
    QTest::mouseClick(Button(w, "Command1"), Qt::LeftButton);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    w.ApplyTo(p);
    QCOMPARE(p.shearKeyDepth, 0.0f);
    QCOMPARE(p.restraintForce, 12.5f);
    QCOMPARE(p.restraintForceOption, false);
  }
};

QTEST_MAIN(RestraintEditorTest)
#include "RestraintEditorTest.moc"
