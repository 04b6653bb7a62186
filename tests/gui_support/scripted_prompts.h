#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/prompts.h"

namespace tabula::test {

// The next answer of the queue; with none queued the test fails and gets `none`.
template <typename T>
T NextAnswer(std::deque<T>& answers, const std::string& question, T none = T()) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << question;
        answers.push_back(std::move(none));
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

// Records every question and answers from queues. A question with no answer queued fails the
// test and is answered with Cancel.
class ScriptedPrompts final : public Prompts {
  public:
    struct Message {
        QString text, caption;
        MessageIcon icon;
        MessageButtons buttons;
    };
    enum class FileDialog { kOpen, kSave };
    struct IndexRequest {
        IndexMode mode;
        std::string text;
    };

    Answer Message(const QString& text, const QString& caption, MessageIcon icon,
                   MessageButtons buttons) override {
        messages.push_back({text, caption, icon, buttons});
        return buttons == MessageButtons::kOk  // nothing to choose
                   ? Answer::kOk
                   : NextAnswer(message_answers, "question: " + text.toStdString(),
                                Answer::kCancel);
    }
    using Path = std::optional<QString>;
    Path OpenFile(const FileDialogRequest& r) override { return FileAnswer(FileDialog::kOpen, r); }
    Path SaveFile(const FileDialogRequest& r) override { return FileAnswer(FileDialog::kSave, r); }
    std::optional<std::string> IndexText(IndexMode mode, const std::string& text) override {
        index_requests.push_back({mode, text});
        return NextAnswer(index_answers, "Index dialog");
    }
    bool ChoosePrinter(QPrinter& printer) override {
        ++print_dialogs;
        const Printer answer = NextAnswer(printer_answers, "Print dialog");
        return answer && answer(printer);
    }
    Path FileAnswer(FileDialog dialog, const FileDialogRequest& request) {
        file_requests.push_back(request);
        file_dialogs.push_back(dialog);
        return NextAnswer(file_answers, "file dialog");
    }
    // The answer works the dialog while it is shown and closes it as the user would.
    bool RunDialog(QDialog& dialog) override {
        const std::string title = dialog.windowTitle().toStdString();
        const auto answer = NextAnswer(dialog_answers, "dialog: " + title,
                                       Dialog([](QDialog& shown) { shown.reject(); }));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        answer(dialog);
        EXPECT_FALSE(dialog.isVisible()) << "the dialog was left open: " << title;
        dialog.hide();
        return dialog.result() == QDialog::Accepted;
    }
    std::unique_ptr<ProgressPrompt> Progress(const QString& text, const QString&) override {
        struct Scripted final : ProgressPrompt {
            explicit Scripted(ScriptedPrompts& p) : prompts(p) {}
            bool Advance(std::int64_t, std::int64_t) override {
                ++prompts.progress_steps;
                prompts.on_progress_step();
                return prompts.progress_steps != prompts.cancel_at_step;
            }
            ScriptedPrompts& prompts;
        };
        progress_texts.push_back(text);
        return std::make_unique<Scripted>(*this);
    }

    void AnswerIndex(std::optional<std::string> text) { index_answers.push_back(std::move(text)); }
    void AnswerMessage(Answer answer) { message_answers.push_back(answer); }
    // The full path chosen; an empty one cancels the dialog.
    void AnswerFile(const QString& path) {
        file_answers.push_back(path.isEmpty() ? std::nullopt : Path(path));
    }
    // The Print dialog: what the user chose, done to the printer; false cancels.
    using Printer = std::function<bool(QPrinter&)>;
    void AnswerPrinter(Printer answer) { printer_answers.push_back(std::move(answer)); }
    // Print to File (PDF) under this name; an empty name cancels the dialog.
    void AnswerPrinterPdf(const QString& path) {
        AnswerPrinter([path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return !path.isEmpty();
        });
    }
    using Dialog = std::function<void(QDialog&)>;
    void AnswerDialog(Dialog answer) { dialog_answers.push_back(std::move(answer)); }

    std::deque<std::optional<std::string>> index_answers;
    std::deque<Answer> message_answers;
    std::deque<Path> file_answers;
    std::deque<Printer> printer_answers;
    std::deque<Dialog> dialog_answers;

    std::vector<struct Message> messages;
    std::vector<IndexRequest> index_requests;
    std::vector<FileDialogRequest> file_requests;
    std::vector<FileDialog> file_dialogs;  // which dialog each request opened
    int print_dialogs = 0;
    // Progress windows: the text of each; the step (counted from 1 over all of them) at which
    // the user presses Cancel, 0 for never; and a look at the program at every step.
    std::vector<QString> progress_texts;
    int progress_steps = 0, cancel_at_step = 0;
    std::function<void()> on_progress_step = [] {};
};

}  // namespace tabula::test
