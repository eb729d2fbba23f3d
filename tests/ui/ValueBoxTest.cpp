// SPDX-License-Identifier: GPL-3.0-or-later
// The value entry box: step buttons, and Accept by keyboard and mouse.
#include <QToolButton>

#include "EditorTestSupport.h"
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
};

QTEST_MAIN(ValueBoxTest)
#include "ValueBoxTest.moc"
