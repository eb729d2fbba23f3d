// File > Print through the real print dialog: a printer that refuses the job is told to the user
// instead of ending as if the report had been printed.
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "model/ProjectData.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/frmPrint.h"

using namespace kelvadrome;

class PrintCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void aPrinterThatCannotPrintIsTold() {
    ProjectData project;
    SetDefaults(project, "Arial");
    auto results = std::make_unique<AnalysisResults>();
    auto design = std::make_unique<DesignResults>();
    RecordingSink sink;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ReportSelection selection;
    selection.dimensions = true;
    PrintContext context{nullptr, project, *results, *design, sink, printer, selection, ReportFonts{}};

    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    });
    QString error;
    try {
      (void)RunPrintCommand(context);
    } catch (const std::exception& fault) {
      error = QString::fromUtf8(fault.what());
    }
    QCOMPARE(error, QStringLiteral("The file ") + path + QStringLiteral(" cannot be written."));
  }
};

QTEST_MAIN(PrintCommandTest)
#include "PrintCommandTest.moc"
