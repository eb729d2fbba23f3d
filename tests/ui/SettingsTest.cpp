// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and what is kept between runs: the recent-file rules, the settings store's defaults
// and what a start reads and a close writes, the report font choice, the single-instance refusal.
#include <QFontDatabase>

#include "MainWindowTestSupport.h"
#include "ui/main/InstanceGuard.h"
#include "ui/main/RecentFiles.h"
#include "ui/main/ReportFonts.h"
#include "ui/main/SettingsStore.h"
#include "ui/main/StartProgram.h"

using namespace kelvadrome;
using kelvadrome::test::FakeDialogs;
using kelvadrome::test::FakePrompts;

namespace {

RecentFileList ListOf(const QStringList& paths) {
  RecentFileList list;
  for (const QString& path : paths) list.files[++list.count] = path;
  return list;
}

QStringList Entries(const RecentFileList& list) {
  QStringList entries;
  for (int i = 1; i <= list.count; ++i) entries.append(list.files[i]);
  for (int i = list.count + 1; i <= kRecentFileSlots; ++i) {
    if (!list.files[i].isEmpty()) entries.append(QStringLiteral("<left over>"));
  }
  return entries;
}

// Everything StartProgram needs, with the user's real settings store (in the test's own
// XDG_CONFIG_HOME) and a lock file of the test's own.
struct StartHarness {
  QString lock;
  ProjectDocument document;
  SessionState session;
  InstanceGuard instance{lock};
  FakeDialogs dialogs;
  FakePrompts prompts;
  QSettings settings{QStringLiteral("Kelvadrome"), QStringLiteral("Kelvadrome")};
  StartContext context{document, session, instance, {dialogs, prompts, settings}, QString()};
};

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QSettings(QStringLiteral("Kelvadrome"), QStringLiteral("Kelvadrome")).clear();
  }

  void addRecentFileRules() {
    RecentFileList list;
    AddRecentFile(list, QString());
    QCOMPARE(list.count, 0);

    list = ListOf({"/w/1.kvi", "/w/2.kvi", "/w/3.kvi", "/w/4.kvi"});
    AddRecentFile(list, QStringLiteral("/w/3.kvi"));  // entry 3 moves to the top
    QCOMPARE(Entries(list), (QStringList{"/w/3.kvi", "/w/1.kvi", "/w/2.kvi", "/w/4.kvi"}));

    AddRecentFile(list, QStringLiteral("/w/5.kvi"));  // a fifth path drops the oldest
    QCOMPARE(Entries(list), (QStringList{"/w/5.kvi", "/w/3.kvi", "/w/1.kvi", "/w/2.kvi"}));

    list = ListOf({"/w/A.kvi"});
    AddRecentFile(list, QStringLiteral("/w/a.kvi"));  // paths differ in letter case: two entries
    AddRecentFile(list, QStringLiteral("/w/a.kvi"));
    QCOMPARE(Entries(list), (QStringList{"/w/a.kvi", "/w/A.kvi"}));

    QCOMPARE(RecentFileCaption(2, QStringLiteral("/w/R&D.kvi")), QStringLiteral("&2 /w/R&&D.kvi"));
  }

  void defaultsWhenStoreIsEmptyOrUnreadable() {
    QSettings settings(QStringLiteral("Kelvadrome"), QStringLiteral("Kelvadrome"));
    StoredSettings values = SettingsStore::Load(settings, 23040, 14400);
    QCOMPARE(values.recent.count, 0);
    QCOMPARE(values.window, (WindowPlacement{StoredWindowState::Normal, 0, 0, 23040, 14400}));
    QVERIFY(!values.windowStored);

    settings.setValue(QStringLiteral("Window/Left"), QStringLiteral("twelve"));
    settings.setValue(QStringLiteral("Window/Width"), QString());
    settings.setValue(QStringLiteral("Window/WindowState"), QStringLiteral("1"));  // minimised: normal
    settings.setValue(QStringLiteral("Window/Top"), QStringLiteral(" 300 "));
    settings.setValue(QStringLiteral("Recent/File2"), QStringLiteral("/w/only.kvi"));  // a gap before it
    values = SettingsStore::Load(settings, 23040, 14400);
    QCOMPARE(values.window, (WindowPlacement{StoredWindowState::Normal, 0, 300, 23040, 14400}));
    QVERIFY(values.windowStored);  // whatever was kept of it is a placement the user had
    QCOMPARE(Entries(values.recent), QStringList{"/w/only.kvi"});
  }

  void reportFontChoice() {
    QCOMPARE(ChooseReportFonts({"Courier New", "Times New Roman", "Arial"}).defaultReportFont, std::string("Arial"));
    const ReportFontChoice noArial = ChooseReportFonts({"Courier New", "Times New Roman"});
    QCOMPARE(noArial.defaultReportFont, std::string("Times New Roman"));
    QCOMPARE(noArial.symbolFontName, std::string("Times New Roman"));
    QCOMPARE(ChooseReportFonts({"arial"}).defaultReportFont, std::string("arial"));  // names compare exactly

    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
      QSKIP("Liberation Sans is not installed");
    }
    // Arial prints in its metric twin, so a default project carries "Arial".
    QVERIFY(OfferedFontFamilies().contains(QStringLiteral("Arial")));
    QCOMPARE(ChooseReportFonts(OfferedFontFamilies()).defaultReportFont, std::string("Arial"));
  }

  void secondInstanceIsRefused() {
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("kelvadrome.lock"));
    {
      InstanceGuard first(lock);
      QVERIFY(first.TryAcquire());
      QVERIFY(first.TryAcquire());
      InstanceGuard second(lock);
      QVERIFY(!second.TryAcquire());

      StartHarness h{lock};
      QVERIFY(StartProgram(h.context) == nullptr);
      QCOMPARE(h.prompts.warnings, QStringList{QStringLiteral("Kelvadrome is already running in memory.")});
    }
    InstanceGuard after(lock);  // the first instance has ended
    QVERIFY(after.TryAcquire());
  }

  void startRestoresPlacementAndRecentFiles() {
    QTemporaryDir folder;
    StartHarness h{folder.filePath(QStringLiteral("kelvadrome.lock"))};
    QTemporaryDir last;
    StoredSettings stored;
    stored.recent = ListOf({"/w/b.kvi", "/w/a.kvi"});
    stored.lastDirectory = last.path();
    stored.window = WindowPlacement{StoredWindowState::Normal, 300, 450, 9000, 7500};
    SettingsStore::Save(h.settings, stored);

    const std::unique_ptr<Form1> window = StartProgram(h.context);
    QVERIFY(window != nullptr);
    QCOMPARE(QDir::currentPath(), QDir(last.path()).canonicalPath());
    QCOMPARE(window->Actions().fileRecent[2]->text(), QStringLiteral("&2 /w/a.kvi"));
    QCOMPARE(window->CurrentPlacement(), stored.window);

    window->resize(window->width() + 30, window->height());
    QVERIFY(window->close());  // closing writes what is current
    QSettings reread(QStringLiteral("Kelvadrome"), QStringLiteral("Kelvadrome"));
    const StoredSettings written = SettingsStore::Load(reread, 1, 1);
    QCOMPARE(written.recent, stored.recent);
    QCOMPARE(written.window, window->CurrentPlacement());
  }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
