#include "output/mail_message.h"

namespace tabula {

namespace {

std::string_view Cut(std::string_view text, std::size_t max_length) {
    text = text.substr(0, text.find('\0'));
    return text.substr(0, max_length);
}

}  // namespace

MailMessage MailMessage::Note(std::string_view index, std::string_view body) {
    MailMessage message;
    message.mode_ = Mode::kNote;
    message.subject_ = Cut(index, kMaxMailSubjectLength);
    message.note_text_ = Cut(body, kMaxMailNoteLength);
    return message;
}

MailMessage MailMessage::Attachment(const std::filesystem::path& path) {
    MailMessage message;
    message.mode_ = Mode::kAttachment;
    message.attachment_path_ = path;
    message.attachment_name_ = FileNamePart(path.string());
    return message;
}

std::string_view FileNamePart(std::string_view path) {
    const std::size_t last = path.find_last_of("/\\");
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string MailFileName(std::string_view current_file_name) {
    std::string_view name = FileNamePart(current_file_name);
    // A file name always names a file; a path ending in a separator would give the hidden
    // file ".txt", so it counts as untitled.
    if (name.empty()) {
        name = "Untitled";
    }
    return std::string(name) + ".txt";
}

}  // namespace tabula
