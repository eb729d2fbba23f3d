// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog keeps the six choices and refuses the concrete sections of a wall that is
// not stable; the Page Setup values are checked as the dialog checks them and travel with the
// project.
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
  void keepsTheSelection() {
    QPrinter printer;
    ReportSelection chosen;
    chosen.loads = chosen.concrete = chosen.reactions = true;
    frmPrint dialog(printer, chosen, true, nullptr);
    QCOMPARE(dialog.Selection(), chosen);
    dialog.chkPrint(0)->setChecked(true);
    QCOMPARE(dialog.chkPrint(6)->text(), QStringLiteral("&Global stability"));
    dialog.chkPrint(6)->setChecked(true);
    dialog.Command3()->click();
    QVERIFY(!dialog.PrintConfirmed());
    chosen.dimensions = true;
    chosen.global = true;
    QCOMPARE(dialog.Selection(), chosen);

    frmPrint again(printer, chosen, true, nullptr);
    again.Command2()->click();
    QVERIFY(again.PrintConfirmed());
  }

  void concreteDisabledWhenNotStable() {
    QPrinter printer;
    frmPrint dialog(printer, ReportSelection::All(), false, nullptr);
    QVERIFY(!dialog.chkPrint(4)->isEnabled());
    QVERIFY(!dialog.chkPrint(4)->isChecked());
    QVERIFY(!dialog.Selection().concrete);
    QVERIFY(dialog.Selection().reactions);
  }

  void pageSetupValues() {
    for (const char* good : {"25", " 0 ", "80"}) QVERIFY2(IsValidMarginText(good), good);
    for (const char* bad : {"81", "-1", "2.5", "abc", ""}) QVERIFY2(!IsValidMarginText(bad), bad);
    QVERIFY(FooterTextProblem("Page &Page of &NPages »").empty());
    QVERIFY(!FooterTextProblem("Ω").empty());  // the project file cannot hold it
    QVERIFY(!FooterTextProblem(std::string(300, 'x')).empty());

    ProjectData project;
    SetDefaults(project, "Arial");
    PageSetupValues values = PageSetupOf(project);
    QCOMPARE(values.margins, (std::array<int16_t, 4>{25, 20, 20, 20}));
    QCOMPARE(values.footerTexts[2], std::string("Page &Page"));
    values.margins = {30, 25, 15, 10};
    values.footerTexts[0] = "Left";
    values.footerFont = "Courier New";
    ApplyPageSetup(project, values);
    QCOMPARE(project.pageMarginD, int16_t{10});
    QCOMPARE(project.headerFooterTexts[1], std::string("Left"));
    QCOMPARE(PageSetupOf(project), values);
  }

  void pageSetupDialogRefusesABadMargin() {
    PageSetupValues values;
    values.margins = {25, 20, 20, 20};
    values.footerTexts = {"&Input", "&Date", "Page &Page"};
    values.footerFont = "Arial";
    PageSetupDialog dialog(values, nullptr);
    QCOMPARE(dialog.Values(), values);
    auto* left = dialog.findChild<QLineEdit*>(QStringLiteral("txtMargin0"));
    QVERIFY(left != nullptr);
    left->setText(QStringLiteral("500"));
    dialog.accept();
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));  // still open
    left->setText(QStringLiteral("30"));
    dialog.accept();
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(dialog.Values().margins[0], int16_t{30});
  }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
