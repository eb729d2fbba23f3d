// SPDX-License-Identifier: GPL-3.0-or-later
// The extension block that may follow the last item of the project file: the project values
// that the original layout has no room for, and the items of newer versions kept unread.
#pragma once

#include "model/BinaryCodec.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Sets every value the extension block carries to its default in the project's own unit system
// (the Metric defaults converted and rounded as a change of units would; the unit prices and
// the optimiser's bounds have defaults of their own per system, the bounds following the wall's
// present depth), and forgets the kept items. A file without the block leaves these values.
void SetExtensionDefaults(ProjectData& project);

// Reads the block if the reader stands at one: fewer than two bytes left, or a first i16 other
// than the marker, is no block and is ignored, as are bytes after the block's items. A damaged
// block throws FileFormatFault.
void ReadExtensionBlock(ByteReader& reader, ProjectData& project);

// Writes the block when at least one of its values differs from its default or an item of an
// unknown tag is kept; otherwise writes nothing, so that such a file keeps the original layout.
// Throws FileFormatFault for a kept item the file cannot hold.
void WriteExtensionBlock(ByteWriter& writer, const ProjectData& project);

}  // namespace kelvadrome
