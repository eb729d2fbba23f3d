// SPDX-License-Identifier: GPL-3.0-or-later
// The value entry box: step buttons, Accept and Cancel by keyboard and mouse, and where it opens.
#include <QToolButton>

#include "EditorTestSupport.h"
#include "ui/editors/DimensionEditCommand.h"
#include "ui/editors/frmEdit.h"

using namespace kelvadrome;
using kelvadrome::test::BeepCounter;
using kelvadrome::test::ModalScript;

class ValueBoxTest : public QObject {
  Q_OBJECT

 private:
  static QLineEdit* Text(frmEdit& box) { return box.findChild<QLineEdit*>(QStringLiteral("Text1")); }
  static QString Stepped(const QString& start, const char* button) {
    frmEdit box;
    box.SetValueText(start);
    QTest::mouseClick(box.findChild<QToolButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    return Text(box)->text();
  }

 private slots:
  void StepButtonsRoundToOneDecimalFirst() {
    // "abc": no number counts as 0.
    for (const auto& [start, button, stepped] : {std::tuple{"2.04", "cmdUp", "2.1"}, {"2.05", "cmdUp", "2.2"},
                                                 {"0.05", "cmdDown", "0"}, {"0", "cmdDown", "0"},
                                                 {"0.3", "cmdDown", "0.2"}, {"7.73", "cmdDown", "7.6"},
                                                 {"abc", "cmdUp", "0.1"}})
      QCOMPARE(Stepped(start, button), QString::fromLatin1(stepped));
  }

  void AcceptRefusesEmptyAndNonNumericTextWithABeepTakesNegativeNumbers() {
    BeepCounter beeps;
    frmEdit box(nullptr, beeps.Beeper());
    ModalScript<frmEdit> script({
        [](frmEdit& b) {
          Text(b)->clear();
          QTest::mouseClick(b.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        },
        [](frmEdit& b) {
          QTest::keyClicks(Text(b), "1,5");
          QTest::keyClick(Text(b), Qt::Key_Return);
        },
        [&beeps](frmEdit& b) {
          QCOMPARE(beeps.count, 2);
          QVERIFY(b.isVisible());
          Text(b)->setText(QStringLiteral("-3.5"));
          QTest::keyClick(Text(b), Qt::Key_Enter);
        },
    });
    const std::optional<QString> text = box.Ask(QStringLiteral("2"));
    QVERIFY(script.Finished());
    QCOMPARE(text.value_or(QString()), QStringLiteral("-3.5"));
    QCOMPARE(beeps.count, 2);
  }

  void CancelAndEscapeGiveNothing() {
    frmEdit box;
    ModalScript<frmEdit> script({
        [](frmEdit& b) { QTest::mouseClick(b.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton); },
        [](frmEdit& b) { QTest::keyClick(Text(b), Qt::Key_Escape); },
    });
    QVERIFY(!box.Ask(QStringLiteral("2")).has_value());
    QVERIFY(!box.Ask(QStringLiteral("2")).has_value());
    QVERIFY(script.Finished());
  }

  void OpensBelowTheLabelOrAboveNearTheScreenBottom() {
    const TwipsScale ppt(96.0);  // 15 twips a pixel
    const QRect screen(0, 0, 1600, 1000);
    const QSize box(150, 80);
    // 90 twips = 6 px right, 630 twips = 42 px down.
    QCOMPARE(ValueBoxPosition(QRect(100, 200, 40, 15), box, screen, ppt), QPoint(106, 242));
    // The bottom would reach the screen's: up by its height and 180 twips (12 px).
    QCOMPARE(ValueBoxPosition(QRect(100, 900, 40, 15), box, screen, ppt), QPoint(106, 942 - 80 - 12));
    // Kept within the screen at the right edge.
    QCOMPARE(ValueBoxPosition(QRect(1580, 200, 20, 15), box, screen, ppt).x(), 1600 - 150);
  }
};

QTEST_MAIN(ValueBoxTest)
#include "ValueBoxTest.moc"
