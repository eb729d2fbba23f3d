// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design command: what the design found goes to the document as steps of their own,
// the redraw that follows, and bars that outlive the window. Also the calculator command.

#include "engine/EarthPressure.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ReinforcementWindow.h"
#include "EditorTestSupport.h"

using namespace kelvadrome;

namespace {

struct Command {
  ProjectDocument document;
  RecordingSink messages;
  int refreshes = 0;
  ConcreteCommandContext context{document, messages, [this] { ++refreshes; }, nullptr, [] {}};

  Command() { document.ReplaceProject(test::DefaultProject(), QString()); }
  [[nodiscard]] const ProjectData& Project() const { return document.Project(); }

  // Runs the command; inspect sees the reinforcement window before it is closed.
  bool Run(const std::function<void(frmRein&)>& inspect = {}) {
    return RunConcreteCommand(context, [this, inspect](QDialog& dialog) {
      auto& window = dynamic_cast<frmRein&>(dialog);
      window.show();
      if (inspect) inspect(window);
      QTest::mouseClick(window.Command1(), Qt::LeftButton);
    });
  }
};

}  // namespace

class ConcreteCommandTest : public QObject {
  Q_OBJECT
 private slots:
  void flattenedSlopeAndChosenBarsAreStepsOfTheirOwn() {
    Command c;
    // 45 degrees on earth of 30 degrees, without seismic load, on a heel long enough for the
    // flattened slope to stand under the factored loads.
    c.document.Apply(QStringLiteral("Loads"), [](ProjectData& p) {
      p.backfillSlope = 1.0f;
      p.seismicCoefficient = 0;
      p.baseWidth += 4.5f - p.heelLength;
      p.heelLength = 4.5f;
    });
    QVERIFY(c.Run());
    QCOMPARE(c.refreshes, 1);
    QCOMPARE(c.messages.messages, std::vector<std::string>{kSlopeRule1Message});
    QCOMPARE(c.Project().backfillSlope, 1.8f);
    QVERIFY(c.Project().barDiameters[1] > 0.0f);
    QCOMPARE(c.document.UndoName(), QStringLiteral("concrete design"));
    c.document.Undo();
    QCOMPARE(c.Project().barDiameters[1], 0.0f);
    QCOMPARE(c.document.UndoName(), QString::fromLatin1(kSlopeAdjustedChange));
    c.document.Undo();
    QCOMPARE(c.Project().backfillSlope, 1.0f);
  }

  void userBarsSurviveClosingAndRunningAgain() {
    Command c;
    c.Run([](frmRein& w) {
      test::Enter(w.txtReinDia(0), QStringLiteral("20"));
      test::Enter(w.txtReinPitch(3), QStringLiteral("125"));
    });
    QVERIFY(c.Project().userReinforcement);
    QCOMPARE(c.document.UndoName(), QStringLiteral("reinforcement"));
    QString diameter, pitch;
    c.Run([&](frmRein& w) {
      diameter = w.txtReinDia(0)->text();
      pitch = w.txtReinPitch(3)->text();
    });
    QCOMPARE(c.Project().barDiameters[1], 2.0f);
    QCOMPARE(c.Project().barPitches[4], 12.5f);
    QCOMPARE(c.document.UndoName(), QStringLiteral("reinforcement"));  // the user's bars stand
    QCOMPARE(diameter, QStringLiteral("20.00"));
    QCOMPARE(pitch, QStringLiteral("125.00"));
  }

};

QTEST_MAIN(ConcreteCommandTest)
#include "ConcreteCommandTest.moc"
