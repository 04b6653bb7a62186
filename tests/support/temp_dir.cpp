#include "support/temp_dir.h"

#include <fstream>
#include <iterator>

#include <stdlib.h>

namespace tabula::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string folder = (fs::temp_directory_path() / "tabula-test-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        throw fs::filesystem_error("cannot make a temporary folder", folder, {});
    }
    path_ = folder;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFileBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace tabula::test
