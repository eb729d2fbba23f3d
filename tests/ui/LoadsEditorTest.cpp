// SPDX-License-Identifier: GPL-3.0-or-later
// The loads editor driven by keyboard and mouse: the grid's rows and buttons, the row colours,
// validation with its beeps, and Accept.

#include "EditorTestSupport.h"
#include "model/ProjectData.h"
#include "ui/editors/EditorCommands.h"
#include "ui/editors/frmLoads.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

ProjectData WithLoads(int count) {
  ProjectData p = DefaultProject();
  p.lineLoadCount = static_cast<int16_t>(count);
  for (int i = 1; i <= count; ++i) p.lineLoads[std::size_t(i)] = LineLoad{float(i), float(i) / 2, 1, 180, kAllLoadCases[std::size_t(i % 7)]};
  return p;
}

QLineEdit* Cell(frmLoads& w, const char* column, int row) {
  return w.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row - 1));
}
QComboBox* Type(frmLoads& w, int row) { return w.findChild<QComboBox*>(QStringLiteral("cmbType_%1").arg(row - 1)); }
QPushButton* Add(frmLoads& w) { return Button(w, "Command1_0"); }
QPushButton* Insert(frmLoads& w) { return Button(w, "Command1_1"); }
QPushButton* Delete(frmLoads& w) { return Button(w, "Command1_2"); }
QPushButton* Accept(frmLoads& w) { return Button(w, "Command3"); }

// Clicks into a cell (the focus arrives there).
void ClickInto(QWidget* cell) {
  QTest::mouseClick(cell, Qt::LeftButton);
  QCoreApplication::processEvents();
}

}  // namespace

class LoadsEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void InsertAtRowTwoThenAddUpToTenRows() {
    frmLoads w(WithLoads(3));
    QVERIFY(ShowActive(w));
    ClickInto(Cell(w, "txtY", 2));
    QTest::mouseClick(Insert(w), Qt::LeftButton);  // leaving row 2 makes it the current row
    QCOMPARE(w.RowCount(), 4);
    QCOMPARE(QApplication::focusWidget(), Cell(w, "txtLoad", 2));
    QCOMPARE(Cell(w, "txtLoad", 2)->text(), QStringLiteral("0"));
    QCOMPARE(Cell(w, "txtLoad", 3)->text(), QStringLiteral("2"));
    QCOMPARE(Type(w, 4)->currentIndex(), 3);  // load 3 had case 4
    for (int i = 5; i <= 10; ++i) {
      QTest::mouseClick(Add(w), Qt::LeftButton);
      QCOMPARE(QApplication::focusWidget(), Cell(w, "txtLoad", i));
      QCOMPARE(Type(w, i)->currentIndex(), 0);  // a new row is a dead load of 0
    }
    QVERIFY(!Add(w)->isEnabled());
    QVERIFY(!Insert(w)->isEnabled());
    w.AddRow();
    w.InsertRow();
    QCOMPARE(w.RowCount(), 10);
  }

  void DeleteTheLastRowAndAccept() {
    ProjectData p = WithLoads(1);
    frmLoads w(p);
    QVERIFY(ShowActive(w));
    QTest::mouseClick(Delete(w), Qt::LeftButton);
    QVERIFY(!Delete(w)->isEnabled());
    QTest::mouseClick(Accept(w), Qt::LeftButton);
    w.ApplyTo(p);
    QCOMPARE(p.lineLoadCount, int16_t(0));
    QCOMPARE(p.lineLoads[1].load, 1.0f);  // the entry stays, unused

    // Insert on the empty grid makes a fresh first row.
    frmLoads again(p);
    QVERIFY(ShowActive(again));
    QTest::mouseClick(Insert(again), Qt::LeftButton);
    QCOMPARE(again.RowCount(), 1);
    QCOMPARE(Cell(again, "txtLoad", 1)->text(), QStringLiteral("0"));
  }

  void NegativeOrNonNumericEntriesBeepAndKeepTheFocus() {
    BeepCounter beeps;
    ProjectData p = WithLoads(2);
    frmLoads w(p, nullptr, beeps.Beeper());
    QVERIFY(ShowActive(w));
    for (const char* column : {"txtLoad", "txtX", "txtY", "txtDir"}) {
      QVERIFY(!TypeAndLeave(Cell(w, column, 2), "-1"));
      QVERIFY(TypeAndLeave(Cell(w, column, 2), "0"));  // zero is fine
    }
    QCOMPARE(beeps.count, 4);

    QLineEdit* surcharge = w.findChild<QLineEdit*>(QStringLiteral("txtSurcharge"));
    Retype(surcharge, "abc");
    QTest::mouseClick(Accept(w), Qt::LeftButton);  // leaving for Accept is refused: no accept
    SettleFocus();
    QCOMPARE(beeps.count, 5);
    QCOMPARE(QApplication::focusWidget(), surcharge);
    QVERIFY(w.isVisible());

    // Enter in a box that was not left yet is checked by Accept itself.
    Enter(surcharge, "-2");
    SettleFocus();
    QCOMPARE(beeps.count, 6);
    QVERIFY(w.isVisible());
    Enter(surcharge, "2.5");
    QCOMPARE(w.result(), int(QDialog::Accepted));
    w.ApplyTo(p);
    QCOMPARE(p.surchargeLoad, 2.5f);
    QCOMPARE(p.lineLoads[2].direction, 0.0f);
  }

  void AcceptWritesEverything() {
    ProjectData p = WithLoads(1);
    ModalScript<frmLoads> script({[](frmLoads& w) {
      w.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&w));
      QTest::mouseClick(Add(w), Qt::LeftButton);
      for (const char* text : {"12.5", "3", "4.25", "90"}) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // the type list: next case
      QComboBox* surType = w.findChild<QComboBox*>(QStringLiteral("cmbSurType"));
      surType->setCurrentIndex(6);
      QTest::mouseClick(Accept(w), Qt::LeftButton);
    }});
    QVERIFY(RunLoadsEditor(nullptr, p, [] {}));
    QCOMPARE(p.lineLoadCount, int16_t(2));
    QCOMPARE(p.lineLoads[2].load, 12.5f);
    QCOMPARE(p.lineLoads[2].x, 3.0f);
    QCOMPARE(p.lineLoads[2].direction, 90.0f);
    QCOMPARE(p.lineLoads[2].loadCase, LoadCase::live);
    QCOMPARE(p.surchargeLoadCase, LoadCase::seismic);
  }

};

QTEST_MAIN(LoadsEditorTest)
#include "LoadsEditorTest.moc"
