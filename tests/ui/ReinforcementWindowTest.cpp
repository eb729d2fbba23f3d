// SPDX-License-Identifier: GPL-3.0-or-later
// The reinforcement window driven through its widgets: every value of the design grid against
// the engine's results in the three unit systems, editing bars, refused entries.

#include "engine/DesignColumns.h"
#include "format/NumberFormat.h"
#include "ui/main/ReinforcementWindow.h"
#include "EditorTestSupport.h"
#include "ReinforcementTestSupport.h"

using namespace kelvadrome;
using kelvadrome::testing::DesignedProject;

namespace {

QString F(double value) { return QString::fromStdString(FormatNumber(value, "#0.#0")); }
QString Percent(double value) { return QString::fromStdString(FormatNumber(value, "0.#0%")); }

// The window over a designed project; the edits it hands back are applied to d.project, as the
// document applies them.
struct Harness {
  DesignedProject d;
  int beeps = 0;
  QStringList changes;
  std::unique_ptr<frmRein> window;

  explicit Harness(UnitSystem unitSystem = kMetric, bool show = true) : d(unitSystem) {
    d.Run();
    QVERIFY(d.design.completed);
    Open(show);
  }
  void Open(bool show = true) {
    window = std::make_unique<frmRein>(d.project, d.design, nullptr, [this] { ++beeps; },
                                       [this](const QString& name, const std::function<void(ProjectData&)>& edit) {
                                         changes.append(name);
                                         edit(d.project);
                                       });
    if (show) {
      window->show();
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
  }
};

}  // namespace

class ReinforcementWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void gridShowsTheEngineResults_data() {
    QTest::addColumn<int>("units");
    QTest::newRow("Metric") << int(kMetric);
    QTest::newRow("SI") << int(kSI);
    QTest::newRow("British") << int(kBritish);
  }
  void gridShowsTheEngineResults() {
    QFETCH(int, units);
    const UnitSystem system = kUnitSystems[std::size_t(units)];
    Harness h(system, false);
    const DesignResults& r = h.d.design;
    const ProjectData& p = h.d.project;
    const double lengthFactor = system == kSI ? 10 : 1;   // cm shown as mm
    const double areaFactor = system == kSI ? 100 : 1;    // cm² shown as mm²
    const double barFactor = system == kBritish ? 1 : 10; // cm shown as mm
    frmRein& w = *h.window;
    for (int c = 1; c <= kDesignColumnCount; ++c) {
      QCOMPARE(w.ColumnValue(ReinRow::M, c)->text(), F(r.colMoment[c]));
      QCOMPARE(w.ColumnValue(ReinRow::N, c)->text(), F(r.colNormal[c]));
      QCOMPARE(w.ColumnValue(ReinRow::h, c)->text(), F(r.colHeight[c] * lengthFactor));
      QCOMPARE(w.ColumnValue(ReinRow::Mu, c)->text(), F(r.colMomentCapacity[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Asreq, c)->text(), F(r.colRequiredArea[c] * areaFactor));
      QCOMPARE(w.txtReinDia(c - 1)->text(), F(p.barDiameters[c] * barFactor));
      QCOMPARE(w.txtReinPitch(c - 1)->text(), F(p.barPitches[c] * barFactor));
      QCOMPARE(w.ColumnValue(ReinRow::As, c)->text(), F(r.colSteelArea[c] * areaFactor));
      QCOMPARE(w.ColumnValue(ReinRow::Rho, c)->text(), Percent(r.colSteelRatio[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Mz, c)->text(), F(r.colServiceMoment[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Nz, c)->text(), F(r.colServiceNormal[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Z, c)->text(), F(r.colCrackZ[c]));
      // Warnings, with the conditions written out here once more.
      const int s = (c + 1) / 2;
      QCOMPARE(!w.ColumnWarning(1, c)->isHidden(), r.colMomentCapacity[c] < r.colMoment[c]);
      QCOMPARE(!w.ColumnWarning(2, c)->isHidden(),
               r.colSteelRatio[c] < r.minimumRatio &&
                   r.colSteelRatio[2 * s - 1] + r.colSteelRatio[2 * s] < r.colRatioLimit[c]);
      QCOMPARE(!w.ColumnWarning(3, c)->isHidden(), r.colSteelRatio[c] > 0.75 * r.balancedRatio);
      QCOMPARE(!w.ColumnWarning(4, c)->isHidden(), r.colCrackZ[c] > r.crackZLimit);
    }
    for (int s = 1; s <= kDesignSectionCount; ++s) {
      QCOMPARE(w.SectionValue(ReinShearRow::V, s)->text(), F(r.sectionDesignShear[s]));
      QCOMPARE(w.SectionValue(ReinShearRow::Nv, s)->text(), F(r.sectionShearNormal[s]));
      QCOMPARE(w.SectionValue(ReinShearRow::Vu, s)->text(), F(r.sectionShearCapacity[s]));
      QCOMPARE(!w.ShearWarning(s)->isHidden(), r.sectionShearCapacity[s] < r.sectionDesignShear[s]);
    }
  }

  void forcedResultsShowWarningsAndNotAvailable() {
    Harness h(kMetric, false);
    ColumnAvailability& a = h.d.design.available[4];
    a.momentCapacity = a.steelRatio = a.steelArea = a.crackZ = a.requiredArea = false;
    h.d.design.colMoment[3] = h.d.design.colMomentCapacity[3] + 1;
    h.d.design.sectionDesignShear[2] = h.d.design.sectionShearCapacity[2] + 1;
    h.Open(false);
    QVERIFY(!h.window->ColumnWarning(1, 3)->isHidden());
    QVERIFY(!h.window->ShearWarning(2)->isHidden());
    for (ReinRow row : {ReinRow::Mu, ReinRow::Rho, ReinRow::As, ReinRow::Z, ReinRow::Asreq})
      QCOMPARE(h.window->ColumnValue(row, 4)->text(), QStringLiteral("N/A"));
    QCOMPARE(h.window->ColumnValue(ReinRow::M, 4)->text(), F(h.d.design.colMoment[4]));
    QVERIFY(h.window->ColumnValue(ReinRow::Mu, 3)->text() != QStringLiteral("N/A"));
  }

  void metricDiameterOf16StoresOnePointSixAndRecomputes() {
    Harness h;
    const int c = 2;
    // What the engine gives for the same bars, on copies.
    ProjectData expectedProject = h.d.project;
    DesignResults expected = h.d.design;
    expectedProject.barDiameters[c] = 1.6f;
    RecomputeDesignColumn(expectedProject, expected, c);

    test::Enter(h.window->txtReinDia(c - 1), QStringLiteral("16"));
    QCOMPARE(h.beeps, 0);
    QCOMPARE(h.d.project.barDiameters[c], 1.6f);
    QVERIFY(h.d.project.userReinforcement);
    QCOMPARE(h.changes, QStringList{QStringLiteral("reinforcement")});
    QCOMPARE(h.window->txtReinDia(c - 1)->text(), QStringLiteral("16.00"));
    QCOMPARE(h.window->ColumnValue(ReinRow::Mu, c)->text(), F(expected.colMomentCapacity[c]));
    QCOMPARE(h.window->ColumnValue(ReinRow::As, c)->text(), F(expected.colSteelArea[c]));
    QCOMPARE(h.window->ColumnValue(ReinRow::Rho, c)->text(), Percent(expected.colSteelRatio[c]));
    QCOMPARE(h.window->ColumnValue(ReinRow::Z, c)->text(), F(expected.colCrackZ[c]));
    QCOMPARE(h.window->SectionValue(ReinShearRow::Vu, 1)->text(), F(expected.sectionShearCapacity[1]));
    // The required area does not depend on the bars.
    QCOMPARE(h.window->ColumnValue(ReinRow::Asreq, c)->text(), F(expected.colRequiredArea[c]));
  }

  void pitchIsStoredInTheProjectsUnits_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("stored");
    QTest::newRow("Metric") << int(kMetric) << "150" << 15.0f;
    QTest::newRow("SI") << int(kSI) << "125" << 12.5f;
    QTest::newRow("British") << int(kBritish) << "6.5" << 6.5f;
  }
  void pitchIsStoredInTheProjectsUnits() {
    QFETCH(int, units);
    QFETCH(QString, typed);
    QFETCH(float, stored);
    Harness h(kUnitSystems[std::size_t(units)]);
    const float diameterBefore = h.d.project.barDiameters[5];
    // Leaving the box commits as Enter does.
    test::Retype(h.window->txtReinPitch(4), typed);
    h.window->txtReinDia(0)->setFocus();
    QCOMPARE(h.d.project.barPitches[5], stored);
    QCOMPARE(h.d.project.barDiameters[5], diameterBefore);
    QVERIFY(h.d.project.userReinforcement);
  }

  void refusedEntriesBeepAndStoreNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << "abc";
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-5";
    QTest::newRow("empty") << "";
  }
  void refusedEntriesBeepAndStoreNothing() {
    QFETCH(QString, typed);
    Harness h;
    const ProjectData before = h.d.project;
    const float capacityBefore = h.d.design.colMomentCapacity[1];
    QLineEdit* box = h.window->txtReinDia(0);
    test::Enter(box, typed);
    QCOMPARE(h.beeps, 1);
    QVERIFY(h.d.project == before);
    QCOMPARE(h.window->Design().colMomentCapacity[1], capacityBefore);
    // Leaving for another box is refused too, and the focus comes back.
    h.window->txtReinPitch(0)->setFocus();
    QCOMPARE(h.beeps, 2);
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QVERIFY(h.d.project == before);
  }

};

QTEST_MAIN(ReinforcementWindowTest)
#include "ReinforcementWindowTest.moc"
