// The data set: every file the game reads from its data root, built from the content tables.
#pragma once

#include <vector>

#include "tools/databuild/output_file.h"
#include "tools/databuild/pack_writer.h"

namespace databuild {

// The resource packs of the data set, as they go into the archive.
std::vector<Pack> DataSetPacks();
// The maths pack: the board's tables (entry 0), the 1024-step sine and arc tangents (entry 1).
Pack MathsPack();
// The twelve level packs among them: world w's pack is named by string constant w, and its
// entry l is level l, stored plain.
std::vector<Pack> LevelPacks();

// Paths are relative to the data root. The same build gives the same bytes every time.
std::vector<OutputFile> BuildDataSet();

}  // namespace databuild
