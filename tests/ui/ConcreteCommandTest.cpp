// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete design command: the redraw after a flattened slope and bars that outlive the
// window. Also the calculator command.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "calculator/SoilPressureCalculator.h"
#include "ui/calculator/CalculatorWindow.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/ReinforcementWindow.h"
#include "EditorTestSupport.h"
#include "ReinforcementTestSupport.h"

using namespace kelvadrome;
using kelvadrome::testing::DesignedProject;

namespace {

struct Command {
  DesignedProject d;
  RecordingSink messages;
  int refreshes = 0;
  int changes = 0;
  int shown = 0;
  ConcreteCommandContext context{d.project, d.results, d.design, messages,
                                 [this] { ++refreshes; }, [this] { ++changes; }, nullptr, [] {}};

  // Runs the command; inspect sees the reinforcement window before it is closed.
  bool Run(const std::function<void(frmRein&)>& inspect = {}) {
    return RunConcreteCommand(context, [this, inspect](QDialog& dialog) {
      ++shown;
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
  void flattenedSlopeRedrawsTheMainWindow() {
    Command c;
    c.d.project.backfillSlope = 1.0f;  // 45°, steeper than the friction angle
    c.Run();
    QVERIFY(c.d.results.slopeAdjusted);
    QCOMPARE(c.refreshes, 1);
    QVERIFY(!c.messages.messages.empty());
    QVERIFY(c.d.project.backfillSlope > 1.0f);
  }

  void userBarsSurviveClosingAndRunningAgain() {
    Command c;
    c.Run([](frmRein& w) {
      test::Enter(w.txtReinDia(0), QStringLiteral("20"));
      test::Enter(w.txtReinPitch(3), QStringLiteral("125"));
    });
    QCOMPARE(c.shown, 1);
    QVERIFY(c.messages.messages.empty());
    QCOMPARE(c.refreshes, 0);  // nothing was flattened, nothing to redraw
    QCOMPARE(c.changes, 2);
    QVERIFY(c.d.project.userReinforcement);
    QString diameter, pitch;
    c.Run([&](frmRein& w) {
      diameter = w.txtReinDia(0)->text();
      pitch = w.txtReinPitch(3)->text();
    });
    QCOMPARE(c.d.project.barDiameters[1], 2.0f);
    QCOMPARE(c.d.project.barPitches[4], 12.5f);
    QCOMPARE(diameter, QStringLiteral("20.00"));
    QCOMPARE(pitch, QStringLiteral("125.00"));
  }

  void calculatorCommandOpensWithTheProjectAndItsPrintHook() {
    DesignedProject d;
    int printed = 0;
    bool shown = false;
    RunCalculatorCommand(
        d.project, nullptr, nullptr,
        {[](QWidget*) { return true; }, [&](const CalculatorInputs&, const CalculatorResults&) { ++printed; }},
        [&](QDialog& dialog) {
          auto& window = dynamic_cast<frmCalculator&>(dialog);
          shown = true;
          QCOMPARE(window.Inputs(), CalculatorInitialValues(d.project));
          QVERIFY(window.Command2()->isEnabled());
          QTest::mouseClick(window.Command2(), Qt::LeftButton);
        });
    QVERIFY(shown);
    QCOMPARE(printed, 1);
  }
};

QTEST_MAIN(ConcreteCommandTest)
#include "ConcreteCommandTest.moc"
