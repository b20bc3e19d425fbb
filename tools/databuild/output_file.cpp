// Output files: compare, then write a temporary file beside the target and rename it over.
#include "tools/databuild/output_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

bool HoldsBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size != bytes.size()) return false;
  std::vector<char> existing(bytes.size());
  std::ifstream in(path, std::ios::binary);
  in.read(existing.data(), static_cast<std::streamsize>(existing.size()));
  return in.gcount() == static_cast<std::streamsize>(existing.size()) &&
         std::equal(existing.begin(), existing.end(), bytes.begin(),
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

}  // namespace

void WriteOutputFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  if (HoldsBytes(path, bytes)) return;
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  if (error)
    throw BuildError("cannot create the folder of " + path.string() + ": " + error.message());

  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw BuildError("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, path, error);
  if (error) throw BuildError("cannot rename " + temporary.string() + ": " + error.message());
}

void WriteOutputFiles(const std::filesystem::path& root, std::span<const OutputFile> files) {
  for (const OutputFile& file : files) WriteOutputFile(root / file.path, file.bytes);
}

}  // namespace databuild
