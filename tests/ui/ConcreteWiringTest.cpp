// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Concrete design command once connected: a wall that is not stable gives the
// message through the window's message boxes and no reinforcement window; a typed bar is undone.

#include "ui/editors/EditorWiring.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/MainControls.h"
#include "ui/main/ReinforcementWindow.h"
#include "MainWindowTestSupport.h"

using namespace kelvadrome;

class ConcreteWiringTest : public QObject {
  Q_OBJECT
 private slots:
  void unstableWallWarnsThroughTheWindowAndOpensNothing() {
    test::WindowHarness h;
    ConnectResultCommands(*h.window, h.session.fonts);
    ProjectData p = h.project;
    p.lineLoadCount = 1;
    p.lineLoads[1] = {80.0f, 3.0f, 9.0f, 270, LoadCase::dead};
    h.Replace(p);
    QString opened;  // closed at once, rather than waited for
    QTimer::singleShot(0, [&opened] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = modal->objectName();
        modal->close();
      }
    });
    h.window->Actions().calculateConcrete->trigger();
    QApplication::processEvents();
    QCOMPARE(opened, QString());
    QCOMPARE(h.prompts.warnings,
             QStringList{QStringLiteral("The structure is not stable with the factored loads, concrete design cancelled.")});
    QVERIFY(!h.document.IsModified());  // no bars were chosen
  }

  // A bar typed into the reinforcement window is a change like any other, after the bars the
  // design chose: each is a step, and undoing both leaves the project as opened, not merely marked.
  void userBarIsUndoneBackToUnchanged() {
    test::WindowHarness h;
    InstallProjectUndo(*h.window);
    ConnectResultCommands(*h.window, h.session.fonts);
    const float before = h.project.barDiameters[1];
    QTimer::singleShot(0, [] {
      auto* window = qobject_cast<frmRein*>(QApplication::activeModalWidget());
      QVERIFY(window != nullptr);
      test::Enter(window->txtReinDia(0), QStringLiteral("20"));
      window->close();
    });
    h.window->Actions().calculateConcrete->trigger();
    QApplication::processEvents();
    QCOMPARE(h.project.barDiameters[1], 2.0f);
    QVERIFY(h.document.IsModified());
    QAction* undo = h.window->Actions().editUndo;
    QCOMPARE(undo->text(), QStringLiteral("&Undo reinforcement"));

    undo->trigger();
    QCOMPARE(undo->text(), QStringLiteral("&Undo concrete design"));
    const float chosen = h.project.barDiameters[1];
    QVERIFY(chosen != 2.0f && chosen != before);
    undo->trigger();
    QCOMPARE(h.project.barDiameters[1], before);
    QVERIFY(!h.document.IsModified());
  }
};

QTEST_MAIN(ConcreteWiringTest)
#include "ConcreteWiringTest.moc"
