// The products of the data set, in the order they are written.
#include "tools/databuild/data_set.h"

#include "tools/databuild/constants_writer.h"
#include "tools/databuild/string_constants.h"

namespace databuild {

std::vector<OutputFile> BuildDataSet() {
  std::vector<OutputFile> files;
  // Loose in the data root until the archive holds it; the runtime reads it from there.
  files.push_back({"constants.bin", WriteConstantsFile(StringConstantTable())});
  return files;
}

}  // namespace databuild
