// Seed corpora of the fuzz targets: the folder of the target named T is T/, and every target
// that reads a format of the data set starts from the builder's own output of that format.
#pragma once

#include <vector>

#include "tools/databuild/ogg_encoder.h"
#include "tools/databuild/output_file.h"

namespace databuild {

// Paths are "<target>/<seed number>". Ogg, MP3 and AMR seeds come from the builder program's
// encoders.
std::vector<OutputFile> BuildFuzzSeeds(const SoundEncoders& encoders);

}  // namespace databuild
