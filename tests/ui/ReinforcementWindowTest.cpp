// SPDX-License-Identifier: GPL-3.0-or-later
// The reinforcement window driven through its widgets: every value of the design grid against
// the engine's results, the units of the bars, editing bars, refused entries.

#include "engine/DesignColumns.h"
#include "format/NumberFormat.h"
#include "engine/Analysis.h"
#include "model/ProjectData.h"
#include "model/Units.h"
#include "ui/main/ReinforcementQuantities.h"
#include "ui/main/ReinforcementWindow.h"
#include "EditorTestSupport.h"

using namespace kelvadrome;

namespace {

QString F(double value) { return QString::fromStdString(FormatNumber(value, "#0.#0")); }
QString Percent(double value) { return QString::fromStdString(FormatNumber(value, "0.#0%")); }

// The window over the default project, converted and designed; the edits it hands back are
// applied to project, as the document applies them.
struct Harness {
  ProjectData project;
  DesignResults design;
  int beeps = 0;
  QStringList changes;
  std::unique_ptr<frmRein> window;

  explicit Harness(UnitSystem unitSystem = kMetric, bool show = true) {
    SetDefaults(project);
    project.unitSystem = unitSystem;
    ConvertUnits(project, kMetric);
    // The design, and the project keeping the bars it chose, as the concrete command leaves them.
    const DesignRun run = RunDesign(project, {&design});
    project = WithFindings(std::move(project), run);
    design = run.design;
    QVERIFY(design.completed);
    Open(show);
  }
  void Open(bool show = true) {
    window = std::make_unique<frmRein>(project, design, nullptr, [this] { ++beeps; },
                                       [this](const QString& name, const std::function<void(ProjectData&)>& edit) {
                                         changes.append(name);
                                         edit(project);
                                       });
    if (show) QVERIFY(test::ShowActive(*window));
  }
};

}  // namespace

class ReinforcementWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void gridShowsTheEngineResults() {
    Harness h(kMetric, false);
    const DesignResults& r = h.design;
    const ProjectData& p = h.project;
    frmRein& w = *h.window;
    for (int c = 1; c <= kDesignColumnCount; ++c) {
      QCOMPARE(w.ColumnValue(ReinRow::M, c)->text(), F(r.colMoment[c]));
      QCOMPARE(w.ColumnValue(ReinRow::N, c)->text(), F(r.colNormal[c]));
      QCOMPARE(w.ColumnValue(ReinRow::h, c)->text(), F(r.colHeight[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Mu, c)->text(), F(r.colMomentCapacity[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Asreq, c)->text(), F(r.colRequiredArea[c]));
      QCOMPARE(w.txtReinDia(c - 1)->text(), F(p.barDiameters[c] * 10));
      QCOMPARE(w.txtReinPitch(c - 1)->text(), F(p.barPitches[c] * 10));
      QCOMPARE(w.ColumnValue(ReinRow::As, c)->text(), F(r.colSteelArea[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Rho, c)->text(), Percent(r.colSteelRatio[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Mz, c)->text(), F(r.colServiceMoment[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Nz, c)->text(), F(r.colServiceNormal[c]));
      QCOMPARE(w.ColumnValue(ReinRow::Z, c)->text(), F(r.colCrackZ[c]));
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
    ColumnAvailability& a = h.design.available[4];
    a.momentCapacity = a.steelRatio = a.steelArea = a.crackZ = a.requiredArea = false;
    h.design.colMoment[3] = h.design.colMomentCapacity[3] + 1;
    h.design.sectionDesignShear[2] = h.design.sectionShearCapacity[2] + 1;
    h.Open(false);
    QVERIFY(!h.window->ColumnWarning(1, 3)->isHidden());
    QVERIFY(!h.window->ShearWarning(2)->isHidden());
    for (ReinRow row : {ReinRow::Mu, ReinRow::Rho, ReinRow::As, ReinRow::Z, ReinRow::Asreq})
      QCOMPARE(h.window->ColumnValue(row, 4)->text(), QStringLiteral("N/A"));
    QCOMPARE(h.window->ColumnValue(ReinRow::M, 4)->text(), F(h.design.colMoment[4]));
    QVERIFY(h.window->ColumnValue(ReinRow::Mu, 3)->text() != QStringLiteral("N/A"));
  }

  void metricDiameterOf16StoresOnePointSixAndRecomputes() {
    Harness h;
    const int c = 2;
    // What the engine gives for the same bars, on copies.
    ProjectData expectedProject = h.project;
    DesignResults expected = h.design;
    expectedProject.barDiameters[c] = 1.6f;
    RecomputeDesignColumn(expectedProject, expected, c);

    test::Enter(h.window->txtReinDia(c - 1), QStringLiteral("16"));
    QCOMPARE(h.project.barDiameters[c], 1.6f);
    QCOMPARE(h.changes, QStringList{QStringLiteral("reinforcement")});
    QCOMPARE(h.window->txtReinDia(c - 1)->text(), QStringLiteral("16.00"));
    QCOMPARE(h.window->ColumnValue(ReinRow::Mu, c)->text(), F(expected.colMomentCapacity[c]));
    QCOMPARE(h.window->ColumnValue(ReinRow::As, c)->text(), F(expected.colSteelArea[c]));
    QCOMPARE(h.window->ColumnValue(ReinRow::Z, c)->text(), F(expected.colCrackZ[c]));
    QCOMPARE(h.window->SectionValue(ReinShearRow::Vu, 1)->text(), F(expected.sectionShearCapacity[1]));

    // A unit price on the quantities page is a step of its own.
    test::Enter(h.window->QuantitiesPage()->PriceBox(0), QStringLiteral("300"));
    QCOMPARE(h.project.prices.concretePrice, 300.0f);
    QCOMPARE(h.changes, (QStringList{QStringLiteral("reinforcement"), QStringLiteral("prices")}));
  }

  // The bars and the areas in the units of the project; what they mean does not change with them.
  void pitchIsStoredInTheProjectsUnits_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("stored");
    QTest::addColumn<double>("barFactor");   // cm shown as mm
    QTest::addColumn<double>("areaFactor");  // cm² shown as mm²
    QTest::newRow("Metric") << int(kMetric) << "150" << 15.0f << 10.0 << 1.0;
    QTest::newRow("SI") << int(kSI) << "125" << 12.5f << 10.0 << 100.0;
    QTest::newRow("British") << int(kBritish) << "6.5" << 6.5f << 1.0 << 1.0;
  }
  void pitchIsStoredInTheProjectsUnits() {
    QFETCH(int, units);
    QFETCH(QString, typed);
    QFETCH(float, stored);
    QFETCH(double, barFactor);
    QFETCH(double, areaFactor);
    Harness h(kUnitSystems[std::size_t(units)]);
    QCOMPARE(h.window->txtReinDia(4)->text(), F(h.project.barDiameters[5] * barFactor));
    QCOMPARE(h.window->ColumnValue(ReinRow::As, 5)->text(), F(h.design.colSteelArea[5] * areaFactor));
    const float diameterBefore = h.project.barDiameters[5];
    // Leaving the box commits as Enter does.
    test::Retype(h.window->txtReinPitch(4), typed);
    h.window->txtReinDia(0)->setFocus();
    QCOMPARE(h.project.barPitches[5], stored);
    QCOMPARE(h.project.barDiameters[5], diameterBefore);
  }

  void refusedEntriesBeepAndStoreNothing() {
    Harness h;
    const ProjectData before = h.project;
    const float capacityBefore = h.design.colMomentCapacity[1];
    int beeps = 0;
    for (const char* typed : {"0", "-5"}) {
      test::Enter(h.window->txtReinDia(0), QString::fromLatin1(typed));
      QCOMPARE(h.beeps, ++beeps);
      QVERIFY(h.project == before);
      QCOMPARE(h.window->Design().colMomentCapacity[1], capacityBefore);
    }
  }
};

QTEST_MAIN(ReinforcementWindowTest)
#include "ReinforcementWindowTest.moc"
