#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tabula {

inline constexpr std::size_t kMaxMailSubjectLength = 31;
inline constexpr std::size_t kMaxMailNoteLength = 511;

// One request to the user's mail program: either a note (subject and text, no attachment),
// or one attached file with no subject and no text. The mail program's compose window shows
// it; the user picks the recipients and sends or cancels there.
class MailMessage {
  public:
    enum class Mode {
        kAttachment = 0,
        kNote = 1,
    };

    // The front card as a note. Texts are card bytes (Windows-1252); the subject keeps the
    // index's first 31 bytes and the text the body's first 511, cut silently.
    static MailMessage Note(std::string_view index, std::string_view body);
    static MailMessage Attachment(const std::filesystem::path& path);

    Mode mode() const { return mode_; }
    const std::string& Subject() const { return subject_; }
    const std::string& NoteText() const { return note_text_; }
    const std::filesystem::path& AttachmentPath() const { return attachment_path_; }
    // The file name the attachment is offered under: the path's last component.
    const std::string& AttachmentName() const { return attachment_name_; }

  private:
    MailMessage() = default;

    Mode mode_ = Mode::kNote;
    std::string subject_;
    std::string note_text_;
    std::filesystem::path attachment_path_;
    std::string attachment_name_;
};

// The last component of a path written with '/' or '\' (decks moved from Windows keep their
// old names in places); the whole text when it holds neither.
std::string_view FileNamePart(std::string_view path);

// The name of the file that carries a list or the tagged cards: the deck file's name with
// ".txt" added ("work.tbx" gives "work.tbx.txt"), or "Untitled.txt" for an untitled deck.
std::string MailFileName(std::string_view current_file_name);

}  // namespace tabula
