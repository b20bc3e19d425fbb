// The data builder: writes the game's data set, or the seed corpora of the fuzz targets.
//   databuild DATA_DIR            the data set, byte for byte the same on every run
//   databuild --seeds SEEDS_DIR   one folder of seeds per fuzz target
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tools/databuild/build_error.h"
#include "tools/databuild/data_set.h"
#include "tools/databuild/fuzz_seeds.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: databuild DATA_DIR | databuild --seeds SEEDS_DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const bool seeds = argc == 3 && std::strcmp(argv[1], "--seeds") == 0;
  if (argc != 2 && !seeds) return Usage();
  const std::filesystem::path root = argv[argc - 1];
  try {
    databuild::WriteOutputFiles(root,
                                seeds ? databuild::BuildFuzzSeeds() : databuild::BuildDataSet());
  } catch (const databuild::BuildError& error) {
    std::fprintf(stderr, "databuild: %s\n", error.what());
    return 1;
  }
  return 0;
}
