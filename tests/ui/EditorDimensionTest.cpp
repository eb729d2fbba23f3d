// Clicking a dimension label: each of the sixteen labels edited through the real value box by
// keyboard, with normal, three-decimal and negative values, and the fitting rules on the way.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

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
  p.shearKeyOption = 1;
  return p;
}

// Edits label `index` by typing each text in turn into the box as it opens.
bool Edit(ProjectData& p, int index, std::deque<ModalScript<frmEdit>::Step> steps, BeepCounter& beeps) {
  ModalScript<frmEdit> script(std::move(steps));
  const bool changed = RunDimensionEdit(nullptr, p, index, kLabel, beeps.Beeper());
  if (!script.Finished()) qWarning("script left steps over");
  return changed;
}

bool Edit(ProjectData& p, int index, const QString& text) {
  BeepCounter beeps;
  return Edit(p, index, {Type(text)}, beeps);
}

}  // namespace

class EditorDimensionTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryLabelTakesANormalValue() {
    for (int label = 0; label < kDimensionLabelCount; ++label) {
      ProjectData p = Defaults();
      const float value = label == 5 ? 9.0f : 1.5f;
      QVERIFY(Edit(p, label, QString::number(value)));
      QCOMPARE(DimensionFieldValue(p, label), value);
    }
  }

  void EveryLabelStoresThreeDecimalsRoundedToTwo() {
    for (int label = 0; label < kDimensionLabelCount; ++label) {
      ProjectData p = Defaults();
      QVERIFY(Edit(p, label, label == 5 ? QStringLiteral("9.125") : QStringLiteral("1.234")));
      QCOMPARE(DimensionFieldValue(p, label), label == 5 ? 9.13f : 1.23f);
    }
    ProjectData p = Defaults();
    QVERIFY(Edit(p, 0, QStringLiteral("2.345")));  // the base width grows by the difference
    QCOMPARE(p.baseWidth, 7.55f);
  }

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

  void NegativeThenValidValueIsStored() {
    ProjectData p = Defaults();
    BeepCounter beeps;
    QVERIFY(Edit(p, 2, {Type(QStringLiteral("-0.5")), Type(QStringLiteral("-1")), Type(QStringLiteral("0.9"))}, beeps));
    QCOMPARE(beeps.count, 2);
    QCOMPARE(p.stemTopWidth, 0.9f);
  }

  void CancelChangesNothing() {
    ProjectData p = Defaults();
    const ProjectData before = p;
    BeepCounter beeps;
    QVERIFY(!Edit(p, 6,
                  {[](frmEdit& box) {
                    QTest::keyClicks(Text(box), "4");
                    QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
                  }},
                  beeps));
    QVERIFY(p == before);
  }

  void BaseWidthBelowTheStemTakesTheStemTopThenTheBatters() {
    ProjectData p = Defaults();
    QVERIFY(Edit(p, 5, QStringLiteral("1.5")));  // batters and stem top are 1.83
    QCOMPARE(p.toeLength, 0.0f);
    QCOMPARE(p.heelLength, 0.0f);
    QCOMPARE(p.stemTopWidth, 0.5f);
    QVERIFY(Edit(p, 5, QStringLiteral("0.4")));
    QCOMPARE(p.stemTopWidth, 0.0f);
    QCOMPARE(p.stemFrontBatter, 0.0f);
    QCOMPARE(p.stemBackBatter, 0.4f);
  }

  void StemHeightsOfPointTwoStoreHalfAUnit() {
    ProjectData p = Defaults();
    QVERIFY(Edit(p, 6, QStringLiteral("0.2")));
    QCOMPARE(p.stemFrontHeight, 0.5f);
    QVERIFY(Edit(p, 9, QStringLiteral("0.2")));
    QCOMPARE(p.stemBackHeight, 0.5f);
  }

  void ToeThicknessRaisedUntilTheBackSideIsImpossible() {
    ProjectData p = Defaults();
    QVERIFY(Edit(p, 8, QStringLiteral("2")));
    QCOMPARE(p.stemBackHeight, 8.73f);
    // A low wall with a thin toe: the back stem, then the heel edge give way.
    QVERIFY(Edit(p, 6, QStringLiteral("0.5")));
    QVERIFY(Edit(p, 7, QStringLiteral("0")));
    QVERIFY(Edit(p, 8, QStringLiteral("0.2")));
    QCOMPARE(p.stemBackHeight, 0.0f);
    QCOMPARE(p.heelEdgeThickness, 0.0f);
    QCOMPARE(p.heelTaper, 0.7f);
  }

  void WaterDeeperThanTheWall() {
    ProjectData p = Defaults();
    QVERIFY(Edit(p, 12, QStringLiteral("25")));
    QCOMPARE(p.waterDepthFront, 10.0f);
    QVERIFY(Edit(p, 13, QStringLiteral("10.01")));
    QCOMPARE(p.waterDepthBack, 10.0f);
    p.waterOption = kFalse;
    QVERIFY(Edit(p, 12, QStringLiteral("3")));
    QCOMPARE(p.waterDepthFront, 10.0f);
    QCOMPARE(p.waterDepthBack, 10.0f);
  }
};

QTEST_MAIN(EditorDimensionTest)
#include "EditorDimensionTest.moc"
