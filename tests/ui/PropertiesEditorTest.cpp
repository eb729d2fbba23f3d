// SPDX-License-Identifier: GPL-3.0-or-later
// The properties editor: the rule of each value, the cover in millimetres in SI, validation with
// beeps, Accept and Cancel.

#include "EditorTestSupport.h"
#include "model/ProjectData.h"
#include "ui/editors/EditorCommands.h"
#include "ui/editors/frmProperties.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

ProjectData Defaults(UnitSystem unitSystem = kMetric) {
  ProjectData p = DefaultProject();
  p.unitSystem = unitSystem;
  return p;
}

QString Unit(QWidget& w, int i) { return w.findChild<QLabel*>(QStringLiteral("lblUnit_%1").arg(i))->text(); }

}  // namespace

class PropertiesEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryRuleByIndex() {
    BeepCounter beeps;
    frmProperties w(Defaults(), nullptr, beeps.Beeper());
    QVERIFY(ShowActive(w));
    for (int i = 0; i < kPropertyCount; ++i) {
      const bool zeroAllowed = (i >= 11 && i <= 14) || i == 17 || i == 18 || i == 22 || i == 23;
      const int before = beeps.count;
      QCOMPARE(TypeAndLeave(Value(w, i), QStringLiteral("0")), zeroAllowed);
      QCOMPARE(beeps.count, before + (zeroAllowed ? 0 : 1));
      QVERIFY(!TypeAndLeave(Value(w, i), QStringLiteral("-1")));
      QVERIFY(!TypeAndLeave(Value(w, i), QStringLiteral("many")));
      QVERIFY(TypeAndLeave(Value(w, i), QStringLiteral("1.5")));
      QCOMPARE(beeps.count, before + (zeroAllowed ? 2 : 3));
    }
    QTest::mouseClick(Button(w, "Command1"), Qt::LeftButton);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    ProjectData p = Defaults();
    w.ApplyTo(p);
    QCOMPARE(p.concreteUnitWeight, 1.5f);
    QCOMPARE(p.foundationSaturatedDensity, 1.5f);
  }

  void CoverIsShownInMillimetresInSI() {
    ProjectData p = Defaults(kSI);
    ModalScript<frmProperties> script({[](frmProperties& w) {
      QCOMPARE(Value(w, 6)->text(), QStringLiteral("50"));
      QCOMPARE(Unit(w, 6), QStringLiteral("mm"));
      Enter(Value(w, 6), "40");
    }});
    QVERIFY(RunPropertiesEditor(nullptr, p, [] {}));
    QVERIFY(script.Finished());
    QCOMPARE(p.concreteCover, 4.0f);
  }

  void UntouchedValuesStayExactlyAsStored() {
    ProjectData p = Defaults(kSI);
    p.concreteCover = 0.37f;  // 3.7 mm and back is not always the same float
    p.baseModulus = 1.23456789f;
    const ProjectData before = p;
    ModalScript<frmProperties> script({[](frmProperties& w) { QTest::keyClick(Value(w, 0), Qt::Key_Return); }});
    QVERIFY(RunPropertiesEditor(nullptr, p, [] {}));
    QVERIFY(p == before);
  }

  void CancelWithInvalidTextClosesSilentlyWritingNothing() {
    BeepCounter beeps;
    ProjectData p = Defaults();
    const ProjectData before = p;
    ModalScript<frmProperties> script({[](frmProperties& w) {
      w.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&w));
      Retype(Value(w, 1), "-300");
      QTest::mouseClick(Button(w, "Command2"), Qt::LeftButton);
    }});
    QVERIFY(!RunPropertiesEditor(nullptr, p, beeps.Beeper()));
    QVERIFY(script.Finished());
    QCOMPARE(beeps.count, 0);
    QVERIFY(p == before);
  }
};

QTEST_MAIN(PropertiesEditorTest)
#include "PropertiesEditorTest.moc"
