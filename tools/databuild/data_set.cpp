// The products of the data set, in the order they are written.
#include "tools/databuild/data_set.h"

#include <string>

#include "tools/databuild/app_descriptor_writer.h"
#include "tools/databuild/app_properties.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/sound_content.h"
#include "tools/databuild/string_constants.h"
#include "tools/databuild/wav_writer.h"

namespace databuild {

std::vector<OutputFile> BuildDataSet() {
  std::vector<OutputFile> files;
  // Loose in the data root until the archive holds them; the runtime reads them from there.
  files.push_back({"constants.bin", WriteConstantsFile(StringConstantTable())});
  files.push_back({"app.jad", WriteAppDescriptor(AppPropertyTable())});
  // Loose until the sounds pack holds them: sounds/<id>.wav.
  for (int id = 0; id < kGameSoundCount; id++) {
    files.push_back({"sounds/" + std::to_string(id) + ".wav", WriteWav(GameSound(id))});
  }
  return files;
}

}  // namespace databuild
