// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog keeps the choices and refuses the concrete sections of a wall that is not
// stable; the Page Setup values are checked as the dialog checks them.
#include <QCheckBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "model/ProjectData.h"
#include "ui/print/PageSetup.h"
#include "ui/print/PageSetupDialog.h"
#include "ui/print/frmPrint.h"

using namespace kelvadrome;

class PrintDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsTheSelectionAndRefusesConcreteWhenNotStable() {
    QPrinter printer;
    ReportSelection chosen{.loads = true, .concrete = true, .reactions = true};
    frmPrint dialog(printer, chosen, true, nullptr);
    QCOMPARE(dialog.Selection(), chosen);
    dialog.chkPrint(0)->setChecked(true);
    dialog.chkPrint(6)->setChecked(true);
    dialog.Command3()->click();
    QVERIFY(!dialog.PrintConfirmed());
    chosen.dimensions = chosen.global = true;
    QCOMPARE(dialog.Selection(), chosen);

    // For a wall that is not stable the concrete sections cannot be chosen.
    frmPrint unstable(printer, ReportSelection::All(), false, nullptr);
    QVERIFY(!unstable.chkPrint(4)->isEnabled());
    QVERIFY(!unstable.Selection().concrete);
    QVERIFY(unstable.Selection().reactions);
    unstable.Command2()->click();
    QVERIFY(unstable.PrintConfirmed());
  }

  void pageSetupRefusesBadValues() {
    for (const char* good : {"25", " 0 ", "80"}) QVERIFY2(IsValidMarginText(good), good);
    for (const char* bad : {"81", "-1", "2.5", "abc", ""}) QVERIFY2(!IsValidMarginText(bad), bad);
    QVERIFY(FooterTextProblem("Page &Page of &NPages »").empty());
    QVERIFY(!FooterTextProblem("Ω").empty());  // the project file cannot hold it
    QVERIFY(!FooterTextProblem(std::string(300, 'x')).empty());

    ProjectData project;
    SetDefaults(project, "Arial");
    PageSetupDialog dialog(PageSetupOf(project), nullptr);
    auto* left = dialog.findChild<QLineEdit*>(QStringLiteral("txtMargin0"));
    QVERIFY(left != nullptr);
    left->setText(QStringLiteral("500"));
    dialog.accept();
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));  // still open
    QCOMPARE(left->text(), QStringLiteral("500"));                    // and nothing entered lost
  }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
