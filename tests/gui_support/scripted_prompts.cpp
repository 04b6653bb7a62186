#include "gui_support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>

namespace tabula::test {
namespace {

// The next answer of the queue; with none queued the test fails and gets `none`.
template <typename T>
T Next(std::deque<T>& answers, const std::string& question, T none = T()) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << question;
        return none;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

Answer ScriptedPrompts::Message(const QString& text, const QString& caption, MessageIcon icon,
                                MessageButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (buttons == MessageButtons::kOk) {
        return Answer::kOk;  // nothing to choose
    }
    return Next(message_answers, "question: " + text.toStdString(), Answer::kCancel);
}

std::optional<QString> ScriptedPrompts::OpenFile(const FileDialogRequest& request) {
    return AnswerFileDialog(FileDialog::kOpen, request);
}

std::optional<QString> ScriptedPrompts::SaveFile(const FileDialogRequest& request) {
    return AnswerFileDialog(FileDialog::kSave, request);
}

std::optional<QString> ScriptedPrompts::AnswerFileDialog(FileDialog dialog,
                                                         const FileDialogRequest& request) {
    file_requests.push_back(request);
    file_dialogs.push_back(dialog);
    const QString answer = Next(file_answers, "file dialog");
    return answer.isEmpty() ? std::nullopt : std::optional(answer);
}

std::optional<std::string> ScriptedPrompts::IndexText(IndexMode mode, const std::string& text) {
    index_requests.push_back({mode, text});
    return Next(index_answers, "Index dialog");
}

void ScriptedPrompts::AnswerPrinterPdf(const QString& path) {
    AnswerPrinter([path](QPrinter& printer) {
        if (path.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
}

bool ScriptedPrompts::ChoosePrinter(QPrinter& printer) {
    ++print_dialogs;
    const PrinterAnswer answer = Next(printer_answers, "Print dialog");
    return answer && answer(printer);
}

bool ScriptedPrompts::RunDialog(QDialog& dialog) {
    dialogs.push_back(dialog.windowTitle());
    const DialogAnswer answer =
        Next(dialog_answers, "dialog: " + dialog.windowTitle().toStdString());
    if (!answer) {
        return false;
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    answer(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the dialog was left open: " << dialog.windowTitle().toStdString();
        dialog.reject();
    }
    return dialog.result() == QDialog::Accepted;
}

std::unique_ptr<ProgressPrompt> ScriptedPrompts::Progress(const QString& text, const QString&) {
    struct Scripted final : ProgressPrompt {
        explicit Scripted(ScriptedPrompts& p) : prompts(p) {}
        bool Advance(std::int64_t, std::int64_t) override {
            ++prompts.progress_steps;
            if (prompts.on_progress_step) {
                prompts.on_progress_step();
            }
            return prompts.progress_steps != prompts.cancel_at_step;
        }
        ScriptedPrompts& prompts;
    };
    progress_texts.push_back(text);
    return std::make_unique<Scripted>(*this);
}

}  // namespace tabula::test
