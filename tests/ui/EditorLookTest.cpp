// SPDX-License-Identifier: GPL-3.0-or-later
// The editor windows as a user sees them: every control inside the window, nothing overlapping,
// each unit on the line of its value and right of it, every text fitting its control.

#include "EditorTestSupport.h"
#include "model/ProjectData.h"
#include "ui/editors/frmEdit.h"
#include "ui/editors/frmLoads.h"
#include "ui/editors/frmProperties.h"
#include "ui/editors/frmRestraint.h"

using namespace kelvadrome;

namespace {

ProjectData Project(UnitSystem unitSystem, int lineLoads) {
  ProjectData p = test::DefaultProject();
  p.unitSystem = unitSystem;
  p.lineLoadCount = static_cast<int16_t>(lineLoads);
  for (int i = 1; i <= lineLoads; ++i) p.lineLoads[std::size_t(i)] = LineLoad{12.5f * float(i), 1.25f, 3, 270, kAllLoadCases[std::size_t(i % 7)]};
  p.shearKeyOption = true;
  return p;
}

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// Controls a user reads or works: labels, boxes, lists, buttons; group frames only hold them.
QList<QWidget*> Controls(QWidget& window) {
  QList<QWidget*> controls;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisible() || !w->isWindow() == false) continue;
    if (qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
        qobject_cast<QAbstractButton*>(w))
      if (w->parentWidget() == nullptr || qobject_cast<QComboBox*>(w->parentWidget()) == nullptr) controls << w;
  }
  return controls;
}

void CheckLayout(QWidget& window, const QString& name) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QRect inside = window.rect();
  const QList<QWidget*> controls = Controls(window);
  QVERIFY(!controls.isEmpty());
  for (QWidget* a : controls) {
    QVERIFY2(inside.contains(InWindow(a)), qPrintable(name + QStringLiteral(": ") + a->objectName() + QStringLiteral(" sticks out")));
    if (auto* label = qobject_cast<QLabel*>(a); label && !label->wordWrap())
      QVERIFY2(label->sizeHint().width() <= label->width() + 1,
               qPrintable(name + QStringLiteral(": text cut: ") + label->text()));
    if (auto* button = qobject_cast<QAbstractButton*>(a))
      QVERIFY2(button->sizeHint().width() <= button->width() + 1 || qobject_cast<QCheckBox*>(a) == nullptr,
               qPrintable(name + QStringLiteral(": caption cut: ") + button->text()));
    for (QWidget* b : controls) {
      if (a >= b) continue;
      // Grid cells share a border of one pixel on purpose.
      const QRect overlap = InWindow(a).intersected(InWindow(b));
      QVERIFY2(overlap.isEmpty() || (overlap.width() <= 1 || overlap.height() <= 1),
               qPrintable(name + QStringLiteral(": ") + a->objectName() + QStringLiteral(" overlaps ") + b->objectName()));
    }
  }
  // A unit stands right of its value, on the same line.
  for (QLabel* unit : window.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblUnit_\\d+$")))) {
    const QString index = unit->objectName().section(QLatin1Char('_'), 1);
    const QLineEdit* value = window.findChild<QLineEdit*>(QStringLiteral("txtValue_") + index);
    QVERIFY(value != nullptr);
    QVERIFY2(InWindow(unit).left() >= InWindow(value).right(), qPrintable(name + QStringLiteral(": unit left of value ") + index));
    QVERIFY2(std::abs(InWindow(unit).center().y() - InWindow(value).center().y()) <= 2,
             qPrintable(name + QStringLiteral(": unit off the line of value ") + index));
  }
}

}  // namespace

class EditorLookTest : public QObject {
  Q_OBJECT

 private slots:
  // The widest units and the fullest grids.
  void EveryEditorInEveryUnitSystem() {
    for (const UnitSystem system : {kMetric, kSI, kBritish}) {
      const QString name = QString::number(int(system));
      frmLoads loads(Project(system, 10));
      CheckLayout(loads, QStringLiteral("loads-") + name);
      frmProperties properties(Project(system, 0));
      CheckLayout(properties, QStringLiteral("properties-") + name);
      frmRestraint restraint(Project(system, 0));
      CheckLayout(restraint, QStringLiteral("restraint-") + name);
    }
    frmEdit value;
    value.SetValueText(QStringLiteral("7.73"));
    CheckLayout(value, QStringLiteral("value-box"));
  }
};

QTEST_MAIN(EditorLookTest)
#include "EditorLookTest.moc"
