#include "support/temp_dir.h"

#include <fstream>
#include <iterator>

#include <stdlib.h>

namespace tabula::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string folder = (fs::temp_directory_path() / "tabula-test-XXXXXX").string();
    path_ = mkdtemp(folder.data()) != nullptr
                ? fs::path(folder)
                : throw fs::filesystem_error("cannot make a temporary folder", folder, {});
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFileBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace tabula::test
