// The products of the data set, in the order they are written.
#include "tools/databuild/data_set.h"

#include "tools/databuild/app_descriptor_writer.h"
#include "tools/databuild/app_properties.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/string_constants.h"

namespace databuild {

std::vector<OutputFile> BuildDataSet() {
  std::vector<OutputFile> files;
  // Loose in the data root until the archive holds them; the runtime reads them from there.
  files.push_back({"constants.bin", WriteConstantsFile(StringConstantTable())});
  files.push_back({"app.jad", WriteAppDescriptor(AppPropertyTable())});
  return files;
}

}  // namespace databuild
