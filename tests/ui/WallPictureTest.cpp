// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's picture over the document's analysis: the slope label of a level backfill,
// and a flattened slope drawn and told once.

#include "EditorTestSupport.h"
#include "engine/EarthPressure.h"
#include "model/ProjectData.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/WallPicture.h"

using namespace kelvadrome;

namespace {

struct Fixture {
  ProjectDocument document;
  WallPicture picture{document};
  std::vector<std::string> told;  // what the user was told, in order
  Fixture() {
    ProjectData p;
    SetDefaults(p);
    document.ReplaceProject(p, QString());
    picture.resize(1600, 1000);
  }
  void Set(const ProjectDocument::Change& change) { document.Apply(QStringLiteral("test"), change); }
  // As the main window's refresh: the analysis brought up to date (a flattened slope is a change
  // of its own, analysed once more), then the drawing.
  void Show(std::optional<ViewKind> view) {
    for (int round = 0; round < 3 && !document.AnalysisCurrent(); ++round) {
      for (const std::string& text : document.Analyse()) told.push_back(text);
      if (document.AnalysisFault()) told.push_back(*document.AnalysisFault());
    }
    picture.SetView(view);
    for (const std::string& text : picture.Refresh()) told.push_back(text);
  }
};

}  // namespace

class WallPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void levelBackfillKeepsItsSlopeOnTheSurface() {
    Fixture f;
    f.Set([](ProjectData& p) {
      p.backfillSlope = 0;
      p.shearKeyOption = true;
    });
    f.Show(ViewKind::Dimensions);
    QLabel* caption = f.picture.SlopeLabel();
    QLabel* value = f.picture.DimensionLabel(14);
    QVERIFY(caption->isVisibleTo(&f.picture));
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
  }

  void aFlattenedSlopeIsDrawnAndToldOnce() {
    Fixture f;
    f.Set([](ProjectData& p) {
      p.backfillSlope = 1;  // 45° against a friction angle of 30°
      p.seismicCoefficient = 0;
    });
    f.Show(ViewKind::Soil);
    QVERIFY(f.told == std::vector<std::string>{kSlopeRule1Message});
    QCOMPARE(f.document.Project().backfillSlope, 1.8f);
    QCOMPARE(f.document.UndoName(), QString::fromLatin1(kSlopeAdjustedChange));
    QVERIFY(!f.document.Results().slopeAdjusted);  // the analysis drawn is of the flattened slope
    const QImage first = f.picture.Image();
    f.document.Analyse();
    f.Show(ViewKind::Soil);
    QCOMPARE(f.told.size(), std::size_t{1});
    QCOMPARE(f.picture.Image(), first);
  }

};

QTEST_MAIN(WallPictureTest)
#include "WallPictureTest.moc"
