// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's picture: labels placed and hidden by the view, clicks on them, messages of
// the analysis and of the views, and every view painted.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "engine/EarthPressure.h"
#include "model/ProjectData.h"
#include "ui/main/WallPicture.h"

using namespace kelvadrome;

namespace {

struct Fixture {
  ProjectData project;
  AnalysisResults results;
  WallPicture picture{project, results};
  Fixture() {
    SetDefaults(project);
    picture.resize(1600, 1000);
  }
  void Show(std::optional<ViewKind> view) {
    picture.SetView(view);
    picture.Refresh();
  }
};

}  // namespace

class WallPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void dimensionsViewShowsItsLabels() {
    Fixture f;
    f.Show(ViewKind::Dimensions);
    for (int i = 0; i <= 14; ++i) QVERIFY2(f.picture.DimensionLabel(i)->isVisibleTo(&f.picture), qPrintable(QString::number(i)));
    QVERIFY(!f.picture.DimensionLabel(15)->isVisibleTo(&f.picture));  // no shear key
    QVERIFY(f.picture.SlopeLabel()->isVisibleTo(&f.picture));
    QCOMPARE(f.picture.DimensionLabel(0)->text(), QStringLiteral("2.00"));
    QCOMPARE(f.picture.DimensionLabel(14)->text(), QStringLiteral("5.00"));
    // The slope caption stands just left of the slope's value.
    QVERIFY(f.picture.SlopeLabel()->geometry().right() < f.picture.DimensionLabel(14)->geometry().left() + 2);
    for (int i = 0; i <= 14; ++i) QVERIFY(f.picture.rect().contains(f.picture.DimensionLabel(i)->geometry()));

    f.Show(ViewKind::Soil);
    for (int i = 0; i < kDimensionLabelCount; ++i) QVERIFY(!f.picture.DimensionLabel(i)->isVisibleTo(&f.picture));
    QVERIFY(!f.picture.SlopeLabel()->isVisibleTo(&f.picture));
  }

  void levelBackfillKeepsItsSlopeOnTheSurface() {
    Fixture f;
    f.project.backfillSlope = 0;
    f.project.shearKeyOption = true;
    f.Show(ViewKind::Dimensions);
    QLabel* caption = f.picture.SlopeLabel();
    QLabel* value = f.picture.DimensionLabel(14);
    QVERIFY(caption->isVisibleTo(&f.picture));
    QVERIFY(value->isVisibleTo(&f.picture));
    QCOMPARE(caption->text(), QStringLiteral("1 : "));
    QCOMPARE(value->text(), QStringLiteral("0.00"));
    QVERIFY(caption->geometry().right() < value->geometry().left() + 2);
    // Under the top dimension line and its values, clear of every other value.
    QVERIFY(caption->geometry().top() > f.picture.DimensionLabel(4)->geometry().bottom());
    for (int i = 0; i < kDimensionLabelCount; ++i) {
      if (i == 14 || !f.picture.DimensionLabel(i)->isVisibleTo(&f.picture)) continue;
      QVERIFY2(!f.picture.DimensionLabel(i)->geometry().intersects(caption->geometry().united(value->geometry())),
               qPrintable(QString::number(i)));
    }
    QVERIFY(f.picture.DimensionLabel(15)->isVisibleTo(&f.picture));
    QCOMPARE(f.picture.DimensionLabel(15)->text(), QStringLiteral("0.67"));
  }

  void clickingALabelReportsItsIndexAndPlace() {
    Fixture f;
    f.picture.show();
    f.Show(ViewKind::Dimensions);
    QSignalSpy clicked(&f.picture, &WallPicture::DimensionLabelClicked);
    QLabel* label = f.picture.DimensionLabel(6);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 6);
    QCOMPARE(clicked.at(0).at(1).toRect(), label->geometry());
    QTest::mouseClick(f.picture.SlopeLabel(), Qt::LeftButton);  // the caption is not a value
    QCOMPARE(clicked.count(), 1);
  }

  void aFlattenedSlopeIsDrawnAtOnceAndToldOnce() {
    Fixture f;
    f.project.backfillSlope = 1;  // 45° against a friction angle of 30°
    f.project.seismicCoefficient = 0;
    QSignalSpy messages(&f.picture, &WallPicture::EngineMessage);
    f.Show(ViewKind::Soil);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).toString(), QString::fromUtf8(kSlopeRule1Message));
    QCOMPARE(f.project.backfillSlope, 1.8f);
    QVERIFY(f.results.slopeAdjusted);
    const QImage first = f.picture.Image();
    f.Show(ViewKind::Soil);
    QCOMPARE(messages.count(), 1);
    QVERIFY(!f.results.slopeAdjusted);
    QCOMPARE(f.picture.Image(), first);  // the first drawing already showed the flattened slope
  }

  void aFaultOfTheAnalysisStillDrawsTheWall() {
    Fixture f;
    f.project.stemFrontHeight = f.project.stemBackHeight = 0;
    f.project.toeTaper = f.project.toeEdgeThickness = f.project.heelTaper = f.project.heelEdgeThickness = 0;
    QSignalSpy messages(&f.picture, &WallPicture::EngineMessage);
    f.Show(ViewKind::Reactions);
    QVERIFY(!f.picture.AnalysisValid());
    QCOMPARE(messages.count(), 1);
    QVERIFY(!messages.at(0).at(0).toString().isEmpty());
    f.Show(ViewKind::Dimensions);  // the dimensions need no analysis
    QVERIFY(f.picture.DimensionLabel(0)->isVisibleTo(&f.picture));
  }

  void everyViewPaints() {
    Fixture f;
    f.picture.show();
    for (int v = 0; v < kViewCount; ++v) {
      f.Show(static_cast<ViewKind>(v));
      QVERIFY(!f.picture.grab().toImage().isNull());
    }
    f.Show(std::nullopt);
    QVERIFY(!f.picture.Image().isNull());
  }
};

QTEST_MAIN(WallPictureTest)
#include "WallPictureTest.moc"
