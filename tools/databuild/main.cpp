// The data builder: writes the game's data set, the seed corpora of the fuzz targets, or the
// sound fixtures of the tests. It alone links the Ogg Vorbis, MP3 and AMR-NB encoders
// (ogg_writer.cpp, mp3_writer.cpp, amr_writer.cpp).
//   databuild DATA_DIR               the data set, byte for byte the same on every run
//   databuild --seeds SEEDS_DIR      one folder of seeds per fuzz target
//   databuild --fixtures FIXTURES    the sound files the tests read
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tools/databuild/amr_writer.h"
#include "tools/databuild/build_error.h"
#include "tools/databuild/data_set.h"
#include "tools/databuild/fuzz_seeds.h"
#include "tools/databuild/mp3_writer.h"
#include "tools/databuild/ogg_writer.h"
#include "tools/databuild/sound_fixtures.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: databuild DATA_DIR | databuild --seeds SEEDS_DIR | "
               "databuild --fixtures FIXTURES_DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const bool seeds = argc == 3 && std::strcmp(argv[1], "--seeds") == 0;
  const bool fixtures = argc == 3 && std::strcmp(argv[1], "--fixtures") == 0;
  if (argc != 2 && !seeds && !fixtures) return Usage();
  const std::filesystem::path root = argv[argc - 1];
  try {
    const databuild::SoundEncoders encoders = {databuild::WriteOgg, databuild::WriteMp3,
                                               databuild::WriteAmr};
    databuild::WriteOutputFiles(root, seeds      ? databuild::BuildFuzzSeeds(encoders)
                                      : fixtures ? databuild::BuildSoundFixtures(encoders)
                                                 : databuild::BuildDataSet());
  } catch (const databuild::BuildError& error) {
    std::fprintf(stderr, "databuild: %s\n", error.what());
    return 1;
  }
  return 0;
}
