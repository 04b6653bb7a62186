#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace tabula::test {

// Stand-ins for xdg-utils in a folder of their own, to be put first on PATH: `xdg-mime` names
// a mailto handler (or none), and `xdg-email` keeps its arguments and a copy of the file it
// was asked to attach, then exits with a chosen status.
class FakeMailProgram {
  public:
    // Makes `folder`/bin with both programs; a handler is registered and xdg-email exits 0.
    explicit FakeMailProgram(const std::filesystem::path& folder);

    const std::filesystem::path& BinFolder() const { return bin_; }

    void SetHandlerRegistered(bool yes) {
        WriteFileBytes(folder_ / "handler", yes ? "m.desktop\n" : "");
    }
    void SetExitStatus(int status) { WriteFileBytes(folder_ / "status", std::to_string(status)); }
    void RemoveXdgEmail() { std::filesystem::remove(bin_ / "xdg-email"); }
    // Every argument of the last run, in order.
    std::vector<std::string> Arguments() const;
    // The attached file's bytes as xdg-email found them, if it was given one.
    std::optional<std::string> Attachment() const;

  private:
    std::filesystem::path folder_, bin_;
};

}  // namespace tabula::test
