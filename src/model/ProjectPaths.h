// SPDX-License-Identifier: GPL-3.0-or-later
// Parts of a project file's path, used for the backup name and the Save As dialog. Letter case
// is kept (file systems may tell "A.kvi" from "a.kvi"); both "/" and "\" separate folders.
#pragma once

#include <string>
#include <string_view>

namespace kelvadrome {

// The part before the last separator, without it; "" when the path has none ("/a.kvi" gives "").
[[nodiscard]] std::string DirectoryOf(std::string_view path);

// The file name up to its first "." (the whole file name when it has none).
[[nodiscard]] std::string BaseNameOf(std::string_view path);

// The file name after its last "."; "" when the file name has no "." (a dot in a folder name
// does not count).
[[nodiscard]] std::string ExtensionOf(std::string_view path);

// Same folder, same base name, extension ".BAK": the backup kept while a save runs. When that
// would be the path itself (a file named "x.BAK"), ".BAK" is appended to the whole path.
[[nodiscard]] std::string BackupPathOf(std::string_view path);

}  // namespace kelvadrome
