// SPDX-License-Identifier: GPL-3.0-or-later
// The Global view of the main window: the slip-circle search runs beside the window rather than
// in its way, an unchanged project is not searched again, the latest state wins when the
// project changes during a search, and a wall that is not stable says so.
#include <QSignalSpy>

#include "MainWindowTestSupport.h"
#include "engine/GlobalStability.h"
#include "ui/main/GlobalSearch.h"
#include "ui/main/WallPicture.h"

using namespace kelvadrome;
using kelvadrome::test::WindowHarness;

namespace {

void Settle(WindowHarness& h) { QTRY_VERIFY_WITH_TIMEOUT(!h.window->Global().Running(), 10000); }

// The search result the windows hold for the project as it stands now, if any.
std::optional<GlobalStabilityResults> Known(WindowHarness& h) {
  if (h.window->Global().Running()) return std::nullopt;
  return h.window->Global().Request(h.project, h.results);
}

}  // namespace

class GlobalViewTest : public QObject {
  Q_OBJECT

 private slots:
  void searchRunsBesideTheWindowAndIsKept() {
    WindowHarness h;
    QSignalSpy finished(&h.window->Global(), &GlobalSearch::Finished);
    h.window->SelectView(ViewKind::Global);
    h.window->RefreshNow();
    // The view is drawn at once, with the search still to come.
    QVERIFY(h.window->Global().Running());
    const QImage searching = h.window->Picture().Image();
    Settle(h);
    QCOMPARE(finished.count(), 1);
    QVERIFY(h.window->Picture().Image() != searching);  // redrawn with the circle
    const std::optional<GlobalStabilityResults> first = Known(h);
    QVERIFY(first && first->HasCircle());
    QCOMPARE(*first, ComputeGlobalStability(h.project, h.results));

    // An unchanged project is not searched again, nor when another view comes and goes.
    h.window->SelectView(ViewKind::Dimensions);
    h.window->RefreshNow();
    h.window->SelectView(ViewKind::Global);
    h.window->RefreshNow();
    QVERIFY(!h.window->Global().Running());
    QCOMPARE(finished.count(), 1);
    QVERIFY(h.prompts.warnings.isEmpty());
  }

  void latestStateWinsWhenTheProjectChangesDuringTheSearch() {
    WindowHarness h;
    h.window->SelectView(ViewKind::Global);
    h.window->RefreshNow();
    QVERIFY(h.window->Global().Running());
    for (const float heel : {3.5f, 3.6f, 3.7f}) {  // as if typed one after another
      h.document.Apply(QStringLiteral("heel length"), [heel](ProjectData& p) {
        p.baseWidth += heel - p.heelLength;
        p.heelLength = heel;
      });
      h.window->RefreshNow();
    }
    Settle(h);
    const std::optional<GlobalStabilityResults> known = Known(h);
    QVERIFY(known.has_value());
    QCOMPARE(*known, ComputeGlobalStability(h.project, h.results));
  }

  void wallThatIsNotStableSaysSo() {
    WindowHarness h;
    h.Replace(test::PushedOver(h.project));
    h.window->SelectView(ViewKind::Global);
    h.window->RefreshNow();
    QCOMPARE(h.prompts.warnings, QStringList{QStringLiteral("The structure is not stable.")});
    QVERIFY(!h.window->Global().Running());  // nothing to search for
  }
};

QTEST_MAIN(GlobalViewTest)
#include "GlobalViewTest.moc"
