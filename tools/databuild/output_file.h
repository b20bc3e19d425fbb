// Writing one output file of the builder. A file whose bytes are already there is left
// untouched; otherwise it is replaced whole, so a stopped build never leaves half a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace databuild {

// One file of the builder's output, by its '/'-separated path under the output folder.
struct OutputFile {
  std::string path;
  std::vector<uint8_t> bytes;
};

// Creates the parent folders as needed. Failure is a BuildError naming the path.
void WriteOutputFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Writes each file under root.
void WriteOutputFiles(const std::filesystem::path& root, std::span<const OutputFile> files);

}  // namespace databuild
