// SPDX-License-Identifier: GPL-3.0-or-later
// The editors and undo in the main window: the editor commands and the dimension labels change the
// project and redraw; Edit > Undo and Redo step through each kind of change, named after it.

#include "MainWindowTestSupport.h"
#include "ui/editors/EditorWiring.h"
#include "ui/editors/frmEdit.h"
#include "ui/editors/frmLoads.h"
#include "ui/editors/frmRestraint.h"
#include "ui/main/FileCommands.h"
#include "ui/main/ReportFonts.h"
#include "ui/main/WallPicture.h"
#include "ui/print/PageSetupDialog.h"
#include "ui/print/PrintCommands.h"

using namespace kelvadrome;
using kelvadrome::test::ModalScript;
using kelvadrome::test::WindowHarness;

namespace {

struct Harness : WindowHarness {
  ProjectUndo* undo = InstallProjectUndo(*window);
  const MainActions& actions = window->Actions();

  Harness() {
    ConnectEditorCommands(*window);
    window->SelectView(ViewKind::Dimensions);
    window->RefreshNow();
  }

  void Undo() { actions.editUndo->trigger(); Settle(); }
  void Redo() { actions.editRedo->trigger(); Settle(); }
  // Lets the refresh that the last change scheduled run.
  static void Settle() { QCoreApplication::processEvents(); }
  [[nodiscard]] QString UndoText() const { return actions.editUndo->text(); }
};

// Edits dimension label `index` by clicking it and typing `text` into the value box.
void EditDimension(Harness& h, int index, const QString& text) {
  QLabel* label = h.window->Picture().DimensionLabel(index);
  QVERIFY(label->isVisible());
  ModalScript<frmEdit> script({[text](frmEdit& box) {
    auto* value = box.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(value, text);
    QTest::keyClick(value, Qt::Key_Return);
  }});
  QTest::mouseClick(label, Qt::LeftButton);
  QVERIFY(script.Finished());
  Harness::Settle();
}

}  // namespace

class UndoCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // Each of the sixteen labels is one step named after its dimension. The water depths and the
  // key depth are drawn only with their options on; the heel length (4) is not a label of its own
  // value in every layout, so each label takes a value a little above the one it shows.
  void EveryDimensionLabelIsAStepOfItsOwnName() {
    Harness h;
    h.window->Controls().check3->click();  // the shear key, so that its depth is drawn
    Harness::Settle();
    QVERIFY(h.project.waterOption);
    QStringList names;
    for (int index = 0; index < kDimensionLabelCount; ++index) {
      QLabel* label = h.window->Picture().DimensionLabel(index);
      QVERIFY2(label->isVisible(), qPrintable(QString::number(index)));
      const double shown = label->text().toDouble();
      EditDimension(h, index, QString::number(shown + (index == 14 ? 1.0 : 0.1), 'f', 2));
      names.append(h.UndoText());
    }
    QCOMPARE(names, (QStringList{
                        "&Undo toe length", "&Undo stem front batter", "&Undo stem top width",
                        "&Undo stem back batter", "&Undo heel length", "&Undo base width",
                        "&Undo stem front height", "&Undo toe taper", "&Undo toe edge thickness",
                        "&Undo stem back height", "&Undo heel taper", "&Undo heel edge thickness",
                        "&Undo water depth front", "&Undo water depth back", "&Undo backfill slope",
                        "&Undo shear key depth"}));
    // Sixteen steps and the shear key: undoing them all gives the project as opened.
    for (int step = 0; step < kDimensionLabelCount + 1; ++step) h.Undo();
    QVERIFY(!h.document.IsModified());
  }

  // However many changes arrive in one turn of the event loop, the picture analyses once.
  void TenEditsInOneTurnAnalyseOnce() {
    Harness h;
    const MainControls& c = h.window->Controls();
    const int before = h.window->AnalysisCount();
    for (int i = 0; i < 10; ++i) {
      QCheckBox* box = std::array{c.check1, c.check2, c.check3}[static_cast<std::size_t>(i % 3)];
      box->click();
    }
    QCOMPARE(h.window->AnalysisCount(), before);  // nothing drawn yet
    Harness::Settle();
    QCOMPARE(h.window->AnalysisCount(), before + 1);
    Harness::Settle();
    QCOMPARE(h.window->AnalysisCount(), before + 1);  // and no second refresh behind it
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo water on"));
    for (int i = 0; i < 10; ++i) h.document.Undo();  // ten steps all the same
    QVERIFY(!h.document.CanUndo());
  }

  // Page Setup goes through the document like every editor: one step, none when cancelled.
  void PageSetupIsOneStep() {
    Harness h;
    const ReportFontChoice fonts{"Arial", "Arial"};
    ConnectPrintCommands(*h.window, fonts);
    ModalScript<PageSetupDialog> script({
        [](PageSetupDialog& d) {
          d.findChild<QLineEdit*>(QStringLiteral("txtMargin0"))->setText(QStringLiteral("30"));
          d.accept();
        },
        [](PageSetupDialog& d) {
          d.findChild<QLineEdit*>(QStringLiteral("txtMargin1"))->setText(QStringLiteral("40"));
          d.reject();
        },
    });
    h.actions.filePageSetup->trigger();
    h.actions.filePageSetup->trigger();
    QVERIFY(script.Finished());
    QCOMPARE(h.project.pageMarginA, int16_t{30});
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo Page Setup"));
    h.Undo();
    QCOMPARE(h.project.pageMarginA, int16_t{25});
    QVERIFY(!h.actions.editUndo->isEnabled());
  }

  void EditorAcceptIsOneStepAndCancelNone() {
    Harness h;
    ModalScript<frmLoads> script({
        [](frmLoads& w) {
          w.AddRow();
          QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        },
        [](frmLoads& w) {
          w.AddRow();
          QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
        },
    });
    h.window->Controls().command3->click();
    QCOMPARE(h.project.lineLoadCount, int16_t(1));
    h.actions.editLoads->trigger();
    QVERIFY(script.Finished());
    QCOMPARE(h.project.lineLoadCount, int16_t(1));
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo Loads"));
    h.Undo();
    QCOMPARE(h.project.lineLoadCount, int16_t(0));
    QVERIFY(!h.actions.editUndo->isEnabled());  // the cancelled editor left no step
  }

  void RestraintEditorsShearKeyShowsInTheMainWindow() {
    Harness h;
    ModalScript<frmRestraint> script({[](frmRestraint& w) {
      auto* shearKey = w.findChild<QCheckBox*>(QStringLiteral("Check1_2"));
      QTest::mouseClick(shearKey, Qt::LeftButton, {}, QPoint(6, shearKey->height() / 2));
      QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    }});
    h.actions.editRestraints->trigger();
    QVERIFY(script.Finished());
    h.Settle();
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo Restraints"));
    QVERIFY(h.window->Controls().check3->isChecked());
    QVERIFY(h.window->Picture().DimensionLabel(15)->isVisible());  // the key's depth is drawn
    h.Undo();
    QVERIFY(!h.window->Controls().check3->isChecked());
  }

  void OptionToggleAndUnitChange() {
    Harness h;
    const ProjectData opened = h.project;
    const MainControls& c = h.window->Controls();
    c.check1->click();  // water off
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo water off"));
    c.combo1->setCurrentIndex(2);
    emit c.combo1->activated(2);
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo unit change"));
    h.Undo();
    QCOMPARE(h.project.stemTopWidth, 0.83f);
    QCOMPARE(c.combo1->currentIndex(), 0);
    QVERIFY(h.actions.unit[0]->isChecked());
    h.Undo();
    QVERIFY(c.check1->isChecked());
    QVERIFY(h.project == opened);
    h.Redo();
    h.Redo();
    QVERIFY(!c.check1->isChecked());
    QCOMPARE(c.combo1->currentIndex(), 2);
  }

  void TitleBurstIsOneStep() {
    Harness h;
    QLineEdit* title = h.window->Controls().text1;
    QTest::keyClicks(title, "Quay wall");
    emit title->editingFinished();  // the user leaves the box
    QTest::keyClicks(title, " 2");
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo title"));
    h.Undo();
    QCOMPARE(title->text(), QStringLiteral("Quay wall"));
    h.Undo();
    QCOMPARE(title->text(), QString());
    QVERIFY(!h.actions.editUndo->isEnabled());  // two bursts, two steps
  }

  // Under the Reactions view the "not stable" box comes when the wall turns unstable and when the
  // view is chosen; the refreshes in between leave it to the results panel.
  void NotStableIsToldOnceNotOnEveryRefresh() {
    Harness h;
    const MainControls& c = h.window->Controls();
    const QString reactions = QStringLiteral("The structure is not stable.");
    h.window->SelectView(ViewKind::Reactions);
    Harness::Settle();
    QVERIFY(h.prompts.warnings.isEmpty());
    h.document.Apply(QStringLiteral("Loads"), [](ProjectData& p) { p = test::PushedOver(p); });
    Harness::Settle();
    QCOMPARE(h.prompts.warnings, QStringList{reactions});
    QCOMPARE(c.label5->text(), QStringLiteral("NOT STABLE"));

    c.check3->click();  // an option
    c.combo1->setCurrentIndex(1);  // the units
    emit c.combo1->activated(1);
    h.Undo();
    Harness::Settle();
    QCOMPARE(h.prompts.warnings.size(), 1);
    QCOMPARE(c.label5->text(), QStringLiteral("NOT STABLE"));

    h.Undo();  // the shear key
    h.Undo();  // the load: stable again, nothing to say
    QCOMPARE(c.label5->text(), QStringLiteral("STABLE"));
    h.Redo();  // unstable once more: said again
    QCOMPARE(h.prompts.warnings, (QStringList{reactions, reactions}));
    h.window->SelectView(ViewKind::Restraints);  // another view: its own reason
    Harness::Settle();
    QCOMPARE(h.prompts.warnings.size(), 3);
    QCOMPARE(h.prompts.warnings.back(),
             QStringLiteral("The structure is not stable.  Can't define base friction and cohesion restraints"));
    h.window->SelectView(ViewKind::Dimensions);
    Harness::Settle();
    h.window->SelectView(ViewKind::Reactions);  // chosen again: said again
    Harness::Settle();
    QCOMPARE(h.prompts.warnings.size(), 4);
  }

  // A slope typed steeper than the backfill allows: the analysis flattens it as a step of its
  // own, so that undo brings back the slope as typed and then the slope before it.
  void UndoOfAFlattenedSlopeBringsTheSteeperSlopeBack() {
    Harness h;
    EditDimension(h, 14, QStringLiteral("1"));  // 45 degrees on earth of 30 degrees
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo Backfill slope adjusted"));
    const qsizetype told = h.prompts.warnings.size();
    h.Undo();
    QCOMPARE(h.project.backfillSlope, 1.0f);  // and it stays: the refresh leaves it alone
    QCOMPARE(h.window->Picture().DimensionLabel(14)->text(), QStringLiteral("1.00"));
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo backfill slope"));
    QCOMPARE(h.prompts.warnings.size(), told);
    h.Undo();
    QCOMPARE(h.project.backfillSlope, 5.0f);
    QVERIFY(!h.document.IsModified());
    // Redo brings the typed slope back and then the flattened one: nothing more is said.
    h.Redo();
    h.Redo();
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo Backfill slope adjusted"));
    QCOMPARE(h.prompts.warnings.size(), told);
  }

  void OpenOrNewClearsTheHistoryAndSavedStateIsUnmodified() {
    Harness h;
    const QString path = h.PathIn(QStringLiteral("wall.kvi"));
    EditDimension(h, 2, QStringLiteral("1"));
    h.dialogs.saveAnswers.push_back(path);
    h.window->Files().SaveAs();
    QVERIFY(!h.document.IsModified());
    EditDimension(h, 2, QStringLiteral("1.2"));
    QVERIFY(h.document.IsModified());
    h.Undo();
    QVERIFY(!h.document.IsModified());
    h.Undo();
    QVERIFY(h.document.IsModified());
    QCOMPARE(h.document.FilePath(), path);  // undo is of the project, not of the file
    h.Redo();
    h.prompts.saveAnswers.push_back(SaveChoice::Discard);
    h.window->Files().New();
    Harness::Settle();
    QVERIFY(!h.actions.editUndo->isEnabled());
    QVERIFY(!h.actions.editRedo->isEnabled());
    QCOMPARE(h.UndoText(), QStringLiteral("&Undo"));
  }
};

QTEST_MAIN(UndoCommandsTest)
#include "UndoCommandsTest.moc"
