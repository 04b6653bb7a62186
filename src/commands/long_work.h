#pragma once

#include <QString>
#include <cstdint>

namespace tabula {

class DocumentHost;

// How much work is long: the user should not wonder for more than about half a second
// whether the program still runs. Tests lower the sizes to see the feedback on small files.
struct LongWorkSizes {
    // Bytes of cards read, written or exported (a deck file's record is 558 bytes) above which
    // the wait cursor and a status text show.
    std::int64_t busy_bytes = std::int64_t{16} << 20;
    // A deck file larger than this is read under a progress window with Cancel.
    std::int64_t progress_bytes = std::int64_t{50} << 20;
};
LongWorkSizes& LongWorkLimits();

// "Reading cards.tbx…": a phrase marked in the tabula::LongWork context with %1 for the file
// name without its folder ("Untitled" for none), translated here.
QString WorkText(const char* phrase, const QString& path);

// While it lives, work on more than busy_bytes shows the wait cursor and its text in the
// first status pane; both go when it ends.
class LongWork {
  public:
    LongWork(DocumentHost& document, const QString& text, std::int64_t bytes);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

  private:
    DocumentHost* shown_ = nullptr;
};

}  // namespace tabula
