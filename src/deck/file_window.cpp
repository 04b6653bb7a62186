#include "deck/file_window.h"

#include <algorithm>

namespace tabula {

const char* FileWindow::Fetch(std::size_t offset, std::size_t size) {
    if (failed_) {
        return nullptr;
    }
    const bool back = offset < start_;
    if ((back || whole_) ? !Fill(0, Size())
                         : !Fill(offset, std::min(std::max(size, window_), Size() - offset))) {
        return nullptr;
    }
    whole_ = whole_ || back;
    return At(offset, size);
}

bool FileWindow::Fill(std::size_t offset, std::size_t size) {
    SetWindow(0, {});
    if (size > capacity_) {
        buffer_ = std::make_unique_for_overwrite<char[]>(size);
        capacity_ = size;
    }
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(buffer_.get(), static_cast<std::streamsize>(size));
    if (static_cast<std::size_t>(in_.gcount()) != size) {
        failed_ = true;
        return false;
    }
    start_ = offset;
    SetWindow(offset, std::string_view(buffer_.get(), size));
    return true;
}

}  // namespace tabula
