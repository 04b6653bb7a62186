#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace tabula {

class DocumentHost;
class ProgressPrompt;
class Prompts;

// How much work is long: the user should not wonder for more than about half a second
// whether the program still runs. Tests lower the sizes to see the feedback on small files.
struct LongWorkSizes {
    // Bytes of cards read, written or exported (a deck file's record is 558 bytes) above which
    // the wait cursor and a status text show.
    std::int64_t busy_bytes = std::int64_t{16} << 20;
    // A file larger than this is read under a progress window with Cancel.
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

// While it lives, the feedback on reading a file (Open, Merge, Import): LongWork for its
// size, and for a file of more than progress_bytes a progress window with Cancel.
class FileReadFeedback {
  public:
    FileReadFeedback(DocumentHost& document, Prompts& prompts, const QString& text,
                     const std::filesystem::path& file);
    ~FileReadFeedback();
    FileReadFeedback(const FileReadFeedback&) = delete;
    FileReadFeedback& operator=(const FileReadFeedback&) = delete;

    // For the reader's progress callback: false once the user has cancelled.
    bool Advance(std::int64_t done, std::int64_t total) const;

  private:
    LongWork work_;
    std::unique_ptr<ProgressPrompt> progress_;
};

}  // namespace tabula
