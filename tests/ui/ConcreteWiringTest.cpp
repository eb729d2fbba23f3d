// The main window's Concrete design and Soil pressure calculator commands once connected: the
// menu entries, the Concrete button and the tool bar open the windows; a wall that is not stable
// gives the message through the window's message boxes and no reinforcement window.
#include <QAction>
#include <QPushButton>
#include <QtTest>

#include "ui/calculator/CalculatorWindow.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/MainControls.h"
#include "ui/main/ReinforcementWindow.h"
#include "MainWindowTestSupport.h"

using namespace kelvadrome;

namespace {

// Closes the modal window that the next command opens and keeps its name.
struct ModalCloser : QObject {
  QString closed;
  void Arm() {
    QTimer::singleShot(0, this, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        closed = modal->objectName();
        modal->close();
      }
    });
  }
};

}  // namespace

class ConcreteWiringTest : public QObject {
  Q_OBJECT
 private slots:
  void commandsAreEnabledAndOpenTheirWindows() {
    test::WindowHarness h;
    DesignResults design;
    ConnectResultCommands(*h.window, design, h.session.fonts);
    const MainActions& a = h.window->Actions();
    QVERIFY(a.calculateConcrete->isEnabled());
    QVERIFY(a.calculateCalculator->isEnabled());
    QVERIFY(h.window->Controls().command5->isEnabled());

    ModalCloser closer;
    closer.Arm();
    QTest::mouseClick(h.window->Controls().command5, Qt::LeftButton);
    QCOMPARE(closer.closed, QStringLiteral("frmRein"));
    QVERIFY(design.completed);
    QVERIFY(h.prompts.warnings.isEmpty());

    closer.Arm();
    a.calculateCalculator->trigger();
    QCOMPARE(closer.closed, QStringLiteral("frmCalculator"));
  }

  void unstableWallWarnsThroughTheWindowAndOpensNothing() {
    test::WindowHarness h;
    DesignResults design;
    ConnectResultCommands(*h.window, design, h.session.fonts);
    h.project.lineLoadCount = 1;
    h.project.lineLoads[1] = {80.0f, 3.0f, 9.0f, 270, 1};
    ModalCloser closer;
    closer.Arm();
    h.window->Actions().calculateConcrete->trigger();
    QApplication::processEvents();
    QCOMPARE(closer.closed, QString());
    QCOMPARE(h.prompts.warnings,
             QStringList{QStringLiteral("The structure is not stable with the factored loads, concrete design cancelled.")});
    QVERIFY(!design.completed);
  }
};

QTEST_MAIN(ConcreteWiringTest)
#include "ConcreteWiringTest.moc"
