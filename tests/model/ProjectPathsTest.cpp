// SPDX-License-Identifier: GPL-3.0-or-later
// Path parts and the backup name keep the letter case and accept both separators; text
// conversion between the file's Windows-1252 and UTF-8.
#include <gtest/gtest.h>

#include "model/Cp1252.h"
#include "model/ProjectPaths.h"

using namespace kelvadrome;

TEST(ProjectPaths, PartsKeepTheirLetterCaseWithEitherSeparator) {
  const std::string path = "/Home/Ana/Walls 2008/Quay.Wall.KVI";
  EXPECT_EQ(DirectoryOf(path), "/Home/Ana/Walls 2008");
  EXPECT_EQ(BaseNameOf(path), "Quay");
  EXPECT_EQ(ExtensionOf(path), "KVI");
  EXPECT_EQ(BackupPathOf(path), "/Home/Ana/Walls 2008/Quay.BAK");
  // Backslashes, and names without folder or extension.
  EXPECT_EQ(DirectoryOf(R"(C:\Data\Wall.kvi)"), R"(C:\Data)");
  EXPECT_EQ(BackupPathOf(R"(C:\Data\Wall.kvi)"), R"(C:\Data\Wall.BAK)");
  EXPECT_EQ(DirectoryOf("wall.kvi"), "");
  EXPECT_EQ(BackupPathOf("wall.kvi"), "wall.BAK");  // the current folder, not the root
  EXPECT_EQ(BackupPathOf("/wall.kvi"), "/wall.BAK");
  EXPECT_EQ(ExtensionOf("/home/a.b/wall"), "");     // a dot in a folder name is no extension
  EXPECT_EQ(BaseNameOf("/home/a.b/wall"), "wall");
  // The backup is never the file itself.
  EXPECT_EQ(BackupPathOf("/tmp/x.BAK"), "/tmp/x.BAK.BAK");
  EXPECT_EQ(BackupPathOf("/tmp/x.bak"), "/tmp/x.BAK");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, UnrepresentableAndInvalidTextBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("Σσ φ"), "?? ?");
  EXPECT_EQ(Utf8ToCp1252("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");              // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");          // overlong form
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");  // outside the basic plane
}
