// The stability window: its texts for a stable wall, a wall that is not stable and an
// eccentricity of exactly B/6, and its place over the main window.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "engine/Stability.h"
#include "model/ProjectData.h"
#include "ui/main/StabilityDialog.h"

using namespace kelvadrome;

namespace {

QString TextOf(const frmStability& dialog, const QString& name) {
  const auto* label = dialog.findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

// With KELVADROME_VIEW_PNG_DIR set, the window is written there as a PNG file to look at.
void SaveShot(frmStability& dialog, const QString& name) {
  const QString dir = qEnvironmentVariable("KELVADROME_VIEW_PNG_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  dialog.grab().save(dir + "/" + name + ".png");
}

AnalysisResults Analyse(ProjectData& project) {
  AnalysisResults results;
  RecordingSink sink;
  RunServiceAnalysis(project, results, sink);
  return results;
}

}  // namespace

class StabilityDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void stableWallShowsEveryValue() {
    ProjectData project;
    SetDefaults(project);
    const AnalysisResults results = Analyse(project);
    QVERIFY(results.stability.wallStable);
    frmStability dialog(results.stability, project.unitSystem);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Kelvadrome: Stability"));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmStability"));
    QCOMPARE(TextOf(dialog, "lblUnitForce0"), QStringLiteral("T"));
    QCOMPARE(TextOf(dialog, "lblUnitForce2"), QStringLiteral("Tm"));
    QCOMPARE(TextOf(dialog, "lblUnitExcen0"), QStringLiteral("m"));
    QCOMPARE(TextOf(dialog, "lblUnitPress0"), QString::fromUtf8("T/m²"));
    QCOMPARE(TextOf(dialog, "lblUnitPress3"), QStringLiteral("%"));
    for (const char* name : {"lblPress0", "lblPress1", "lblPress2", "lblPress3", "lblSlide0", "lblSlide1",
                             "lblSlide2", "lblOverturn0"}) {
      QVERIFY2(TextOf(dialog, name) != "N/A" && !TextOf(dialog, name).startsWith("<missing"), name);
    }
    QVERIFY(TextOf(dialog, "lblExcen2").contains("7.20/6 = 1.20, "));
    QVERIFY(TextOf(dialog, "lblExcen2").endsWith("7.20/3 = 2.40"));
    QVERIFY(TextOf(dialog, "lblNote").startsWith(QString::fromUtf8("»Per 1 m of wall length.")));
    QVERIFY(!TextOf(dialog, "lblNote").contains("not stable"));
    // The captions carry the real summation sign.
    QVERIFY(!dialog.findChildren<QLabel*>().isEmpty());
    bool sigma = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) sigma |= label->text().contains(QChar(0x03A3));
    QVERIFY(sigma);
    SaveShot(dialog, "stability-stable");
  }

  void unstableWallShowsNotApplicable() {
    ProjectData project;
    SetDefaults(project);
    project.lineLoadCount = 1;
    project.lineLoads[1] = LineLoad{500.0f, 2.5f, 10.0f, 270.0f, 1};
    const AnalysisResults results = Analyse(project);
    QVERIFY(!results.stability.wallStable);
    frmStability dialog(results.stability, project.unitSystem);
    for (const char* name : {"lblPress0", "lblPress1", "lblPress2", "lblPress3", "lblSlide0", "lblSlide1",
                             "lblSlide2", "lblOverturn0"}) {
      QCOMPARE(TextOf(dialog, name), QStringLiteral("N/A"));
    }
    QVERIFY(TextOf(dialog, "lblForce0") != "N/A");
    QVERIFY(TextOf(dialog, "lblExcen0") != "N/A");
    QVERIFY(TextOf(dialog, "lblNote").contains(
        QString::fromUtf8("»The structure is not stable therefore the base and sliding are not applicable.")));
    SaveShot(dialog, "stability-unstable");
  }

  void eccentricityOfExactlyASixthIsNotInside() {
    StabilityResults s;
    s.wallStable = true;
    s.baseWidthUsed = 7.2f;
    s.eccentricity = static_cast<float>(double(s.baseWidthUsed) / 6);
    s.contactWidth = s.baseWidthUsed;
    s.pressureSafetyFactor = 2;
    s.slidingSafetyFactor = 1e10f;
    s.overturningSafetyFactor = 3;
    frmStability dialog(s, kSI);
    QCOMPARE(TextOf(dialog, "lblExcen2"), QStringLiteral("> 7.20/6 = 1.20, < 7.20/3 = 2.40"));
    QCOMPARE(TextOf(dialog, "lblSlide2"), QStringLiteral("10000000000.00"));
    QCOMPARE(TextOf(dialog, "lblUnitForce0"), QStringLiteral("kN"));
    QCOMPARE(TextOf(dialog, "lblNote"), QString::fromUtf8("»Per 1 m of wall length."));
  }

  void centredOverTheMainWindow() {
    QCOMPARE(frmStability::CentredOver(QRect(100, 100, 800, 600), QSize(300, 200)), QPoint(350, 300));
    QCOMPARE(frmStability::CentredOver(QRect(0, 0, 200, 100), QSize(300, 200)), QPoint(0, 0));

    QWidget main;
    main.setGeometry(200, 150, 1000, 800);
    main.show();
    StabilityResults s;
    frmStability dialog(s, kMetric, &main);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.pos(), frmStability::CentredOver(main.frameGeometry(), dialog.frameGeometry().size()));
    QVERIFY(dialog.pos().x() > 200 && dialog.pos().y() > 150);
  }

  void okCloses() {
    StabilityResults s;
    frmStability dialog(s, kMetric);
    dialog.show();
    auto* ok = dialog.findChild<QPushButton*>("Command1");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
  }
};

QTEST_MAIN(StabilityDialogTest)
#include "StabilityDialogTest.moc"
