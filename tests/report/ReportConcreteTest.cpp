// SPDX-License-Identifier: GPL-3.0-or-later
// The four concrete sections print the engine's design results through the report's formats.
#include <QRegularExpression>
#include <QtTest>

#include "ReportTestSupport.h"
#include "engine/ConcreteDesign.h"
#include "format/NumberFormat.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

QString Case(float value) {
  return value == 0 ? QStringLiteral("--") : QString::fromStdString(FormatNumber(value, "#0.#0"));
}

QString Number(double value, const char* pattern = "#0.#0") { return QString::fromStdString(FormatNumber(value, pattern)); }

// True when some line of text holds the caption followed by the values, in that order.
bool HasRow(const QString& text, const QString& caption, const QStringList& values) {
  QString pattern = QRegularExpression::escape(caption);
  for (const QString& value : values) pattern += QStringLiteral("\\s+") + QRegularExpression::escape(value);
  return QRegularExpression(pattern).match(text).hasMatch();
}

}  // namespace

class ReportConcreteTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    ReportSelection concrete;
    concrete.concrete = true;
    ReportJob job = fixture_.Job(concrete);
    ReportOutcome outcome;
    pages_ = PdfPages(PrintToPdf(job, dir_, QStringLiteral("concrete.pdf"), &outcome), true);
    QCOMPARE(outcome.pages, 2);
    run_ = fixture_.Design();
    QVERIFY(run_.design.completed);
  }

  void caseTables() {
    const DesignResults& d = run_.design;
    const QString& moments = pages_[0];
    QVERIFY(moments.contains(QStringLiteral("Concrete 1/4")));
    QVERIFY(moments.contains(QStringLiteral("Concrete 2/4")));
    const auto three = [](const auto& values, auto format) {
      return QStringList{format(values[1]), format(values[2]), format(values[3])};
    };
    const auto number = [](double value) { return Number(value); };
    for (int k = 1; k <= kCombinationCount; ++k) {
      const QString caption = QString::fromLatin1(kCombinationTexts.at(static_cast<size_t>(k)));
      const auto column = [k](const auto& table) { return std::array{0.0f, table[1][k], table[2][k], table[3][k]}; };
      QVERIFY2(HasRow(moments, caption, three(column(d.caseMoment), Case)), qPrintable(caption));
      QVERIFY2(HasRow(moments, caption, three(column(d.caseShear), Case)), qPrintable(caption));
      QVERIFY2(HasRow(pages_[1], caption, three(column(d.caseNormal), Case)), qPrintable(caption));
    }
    QVERIFY(HasRow(moments, QStringLiteral("For design"), three(d.envMinMoment, number)));
    QVERIFY(HasRow(moments, QStringLiteral("For design"), three(d.envMaxMoment, number)));
    QVERIFY(HasRow(moments, QStringLiteral("For z"), three(d.serviceMoment, number)));
    QVERIFY(HasRow(moments, QStringLiteral("Coresponding N (T)"), three(d.envMaxShearNormal, number)));
    QVERIFY(moments.contains(QStringLiteral("Unit: Tm")));
    QVERIFY(HasRow(pages_[1], QStringLiteral("For z"), three(d.serviceNormal, number)));
  }

  void designTable() {
    const DesignResults& d = run_.design;
    const QString& table = pages_[1];
    QVERIFY(table.contains(QStringLiteral("Concrete 4/4")));
    const auto columns = [](const ColumnValues& values, double factor, const char* pattern, const char* unit = "") {
      QStringList texts;
      if (*unit != '\0') texts << QString::fromUtf8(unit);
      for (int c = 1; c <= kDesignColumnCount; ++c) texts << Number(values.at(static_cast<size_t>(c)) * factor, pattern);
      return texts;
    };
    QVERIFY(HasRow(table, QStringLiteral("Moment, M"), columns(d.colMoment, 1, "#0.#0", "Tm")));
    QVERIFY(HasRow(table, QStringLiteral("Normal, N"), columns(d.colNormal, 1, "#0.#0", "T")));
    QVERIFY(HasRow(table, QStringLiteral("Height, h"), columns(d.colHeight, 1, "#0.#0", "cm")));
    // Bar sizes are stored in centimetres and shown in millimetres.
    QVERIFY(HasRow(table, QStringLiteral("Effective diameter"), columns(run_.barDiameters, 10, "#0.#0", "mm")));
    QVERIFY(HasRow(table, QStringLiteral("Pitch"), columns(run_.barPitches, 10, "#0.#0", "mm")));
    QVERIFY(HasRow(table, QStringLiteral("Ratio, ρ"), columns(d.colSteelRatio, 1, "#0.#0%")));
    QVERIFY(HasRow(table, QStringLiteral("Distribution, z"), columns(d.colCrackZ, 1, "#0.#0", "T/m")));
    QVERIFY(HasRow(table, QStringLiteral("Shear, V"),
                   {QStringLiteral("T"), Number(d.sectionDesignShear[1]), Number(d.sectionDesignShear[2]), Number(d.sectionDesignShear[3])}));
    QVERIFY(table.contains(QStringLiteral("Width (b) = 100 cm")));
    QVERIFY(table.contains(Number(d.balancedRatio, "0.#0%")));
    QVERIFY(table.contains(Number(d.crackZLimit, "#0 ") + QStringLiteral("T/m")));
  }

 private:
  QTemporaryDir dir_;
  ReportFixture fixture_;
  DesignRun run_;
  QStringList pages_;
};

QTEST_MAIN(ReportConcreteTest)
#include "ReportConcreteTest.moc"
