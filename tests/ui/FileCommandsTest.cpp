// SPDX-License-Identifier: GPL-3.0-or-later
// The File commands through the real window with fake dialogs: New, Open, the recent files, Save
// and Save As, the unsaved-changes question, failed reads and writes, and files
// dropped onto the window.
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "MainWindowTestSupport.h"
#include "model/ProjectFile.h"
#include "ui/main/FileCommands.h"

using namespace kelvadrome;
using kelvadrome::test::WindowHarness;

namespace {

// Writes a default project with the given title and returns its path.
QString WriteProject(const WindowHarness& h, const QString& name, const std::string& title,
                     float keptValue = 0) {
  ProjectData p = test::DefaultProject();
  p.projectTitle = title;
  // What a file may hold for an option that is on, from an older version: values that mean nothing.
  p.savedWaterDepthFront = p.savedWaterDepthBack = p.savedSeismicCoefficient = keptValue;
  p.stemTopWidth = 0.9f;
  const QString path = h.PathIn(name);
  WriteProjectFile(p, path.toStdString());
  return path;
}

QString Title(const QString& path) { return QStringLiteral("Kelvadrome 2.10 - ") + path; }

void TypeTitle(WindowHarness& h, const QString& text) { QTest::keyClicks(h.window->Controls().text1, text); }

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void saveAsUntitledThenSave() {
    WindowHarness h;
    h.session.lastDirectory = h.folder.path();
    TypeTitle(h, QStringLiteral("First"));
    const QString path = h.PathIn(QStringLiteral("first.kvi"));
    h.dialogs.saveAnswers.push_back(path);
    h.window->Actions().fileSave->trigger();  // untitled: Save is Save As
    QCOMPARE(h.dialogs.saveCalls, 1);
    QCOMPARE(h.dialogs.lastSaveFolder, h.folder.path());
    QCOMPARE(h.window->windowTitle(), Title(path));
    QCOMPARE(h.session.recent.files[1], path);

    TypeTitle(h, QStringLiteral(" again"));
    h.window->Actions().fileSave->trigger();  // titled: no dialog
    QCOMPARE(h.dialogs.saveCalls, 1);
    QCOMPARE(ReadProjectFile(path.toStdString()).projectTitle, std::string("First again"));
    QVERIFY(!h.document.IsModified());
    h.dialogs.saveAnswers.push_back(h.PathIn(QStringLiteral("no-such-folder/wall.kvi")));
    TypeTitle(h, QStringLiteral("!"));
    h.window->Actions().fileSaveAs->trigger();  // a failed write claims no path
    QCOMPARE(h.prompts.warnings.size(), 1);
    QCOMPARE(h.document.FilePath(), path);
    QVERIFY(h.document.IsModified());

    h.window->Actions().fileSaveAs->trigger();  // offers the file's own name
    QCOMPARE(h.dialogs.lastSaveName, QStringLiteral("first.kvi"));
    QCOMPARE(h.window->windowTitle(), Title(path));  // cancelled: nothing changed
  }

  void openReadsProjectAndAFailedOpenChangesNothing() {
    WindowHarness h;
    const QString good = WriteProject(h, QStringLiteral("good.kvi"), "Good");
    h.dialogs.openAnswers.push_back(good);
    h.window->Actions().fileOpen->trigger();
    h.window->RefreshNow();
    QCOMPARE(h.dialogs.lastOpenFolder, QDir::currentPath());  // no last folder yet
    QCOMPARE(h.project.stemTopWidth, 0.9f);
    QCOMPARE(h.window->Controls().text1->text(), QStringLiteral("Good"));
    QCOMPARE(h.results.stability.baseWidthUsed, h.project.baseWidth);  // analysed after opening
    const ProjectData before = h.project;
    const QString title = h.window->windowTitle();
    const RecentFileList recent = h.session.recent;

    const QString broken = h.PathIn(QStringLiteral("broken.kvi"));
    {
      QFile file(broken);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QByteArray(40, '\0'));  // ends far too early
    }
    for (const QString& path : {broken, h.PathIn(QStringLiteral("missing.kvi"))}) {
      h.dialogs.openAnswers.push_back(path);
      h.window->Actions().fileOpen->trigger();
    }
    QCOMPARE(h.dialogs.lastOpenFolder, h.session.lastDirectory);  // the dialog starts in the last folder
    QCOMPARE(h.prompts.warnings.size(), 2);
    QVERIFY(h.prompts.warnings[0].contains(QStringLiteral("broken.kvi")));
    QVERIFY(h.project == before);
    QCOMPARE(h.window->windowTitle(), title);
    QVERIFY(h.session.recent == recent);
  }

  void recentFilesReopenAndReorder() {
    WindowHarness h;
    const QString a = WriteProject(h, QStringLiteral("a.kvi"), "A");
    const QString b = WriteProject(h, QStringLiteral("b.kvi"), "B");
    QVERIFY(h.window->OpenProjectFile(a));
    QVERIFY(h.window->OpenProjectFile(b));
    const MainActions& actions = h.window->Actions();
    QCOMPARE(actions.fileRecent[2]->text(), QStringLiteral("&2 ") + a);

    actions.fileRecent[2]->trigger();
    QCOMPARE(h.project.projectTitle, std::string("A"));
    QCOMPARE(h.session.recent.files[1], a);

    // A recent file that has gone away stays in the list and opening it changes nothing.
    QVERIFY(QFile::remove(b));
    actions.fileRecent[2]->trigger();
    QCOMPARE(h.prompts.warnings.size(), 1);
    QCOMPARE(h.project.projectTitle, std::string("A"));
    QCOMPARE(h.session.recent.count, 2);
  }

  void unsavedChangesQuestion() {
    WindowHarness h;
    TypeTitle(h, QStringLiteral("Typed"));

    h.prompts.saveAnswers.push_back(SaveChoice::Cancel);
    h.window->Actions().fileNew->trigger();
    QCOMPARE(h.prompts.saveQuestions, 1);
    QCOMPARE(h.project.projectTitle, std::string("Typed"));

    // Save on an untitled project asks for a name; cancelling that cancels New too.
    h.prompts.saveAnswers.push_back(SaveChoice::Save);
    h.window->Actions().fileNew->trigger();
    QCOMPARE(h.dialogs.saveCalls, 1);
    QCOMPARE(h.project.projectTitle, std::string("Typed"));

    const QString path = h.PathIn(QStringLiteral("typed.kvi"));
    h.prompts.saveAnswers.push_back(SaveChoice::Save);
    h.dialogs.saveAnswers.push_back(path);
    h.window->Actions().fileNew->trigger();
    QCOMPARE(ReadProjectFile(path.toStdString()).projectTitle, std::string("Typed"));
    QCOMPARE(h.project.projectTitle, std::string());
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Kelvadrome 2.10 - [Unnamed]"));

    TypeTitle(h, QStringLiteral("Dropped"));
    h.prompts.saveAnswers.push_back(SaveChoice::Discard);
    h.dialogs.openAnswers.push_back(path);
    h.window->Actions().fileOpen->trigger();
    QCOMPARE(h.prompts.saveQuestions, 4);
    QCOMPARE(h.project.projectTitle, std::string("Typed"));
  }

  void untouchedProjectIsNeverAskedAbout() {
    WindowHarness h;
    h.window->Actions().fileNew->trigger();
    const QString path = WriteProject(h, QStringLiteral("plain.kvi"), "Plain");
    QVERIFY(h.window->OpenProjectFile(path));
    h.window->SelectView(ViewKind::Soil);  // looking is not changing
    h.window->Actions().fileNew->trigger();
    QCOMPARE(h.prompts.saveQuestions, 0);

    // Switching an option off and on again gives the same project back, whatever the file kept for
    // the options while they were on.
    h.window->Controls().check1->click();
    h.window->Controls().check1->click();
    QVERIFY(!h.document.IsModified());
    QVERIFY(h.window->OpenProjectFile(WriteProject(h, QStringLiteral("kept.kvi"), "Kept", 1.5f)));
    for (QCheckBox* option : {h.window->Controls().check1, h.window->Controls().check2}) {
      option->click();
      QVERIFY(h.document.IsModified());
      option->click();
      QVERIFY(!h.document.IsModified());
    }
  }

  void exitAsksAndWritesSettings() {
    WindowHarness h;
    const QString path = WriteProject(h, QStringLiteral("kept.kvi"), "Kept");
    QVERIFY(h.window->OpenProjectFile(path));
    TypeTitle(h, QStringLiteral("!"));

    h.prompts.saveAnswers.push_back(SaveChoice::Cancel);
    h.window->Actions().fileExit->trigger();
    QVERIFY(h.window->isVisible());
    QVERIFY(!h.settings.contains(QStringLiteral("Recent/File1")));

    h.prompts.saveAnswers.push_back(SaveChoice::Discard);
    h.window->Actions().fileExit->trigger();
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.settings.value(QStringLiteral("Recent/File1")).toString(), path);
    QCOMPARE(h.settings.value(QStringLiteral("Recent/Dir")).toString(), QDir::toNativeSeparators(h.folder.path()));
    QCOMPARE(ReadProjectFile(path.toStdString()).projectTitle, std::string("Kept"));  // discarded
  }

  void droppedFileOpens() {
    WindowHarness h;
    const QString second = WriteProject(h, QStringLiteral("dropped.kvi"), "Dropped");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(second)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(h.window.get(), &drop);
    QCOMPARE(h.project.projectTitle, std::string("Dropped"));
    QCOMPARE(h.session.recent.files[1], second);
  }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
