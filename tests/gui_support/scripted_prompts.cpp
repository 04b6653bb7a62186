#include "gui_support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>

namespace tabula::test {

Answer ScriptedPrompts::Message(const QString& text, const QString& caption, MessageIcon icon,
                                MessageButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (buttons == MessageButtons::kOk) {
        return Answer::kOk;  // nothing to choose
    }
    if (message_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::kCancel;
    }
    const Answer answer = message_answers.front();
    message_answers.pop_front();
    return answer;
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
    if (file_answers.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return std::nullopt;
    }
    const QString answer = file_answers.front();
    file_answers.pop_front();
    if (answer.isEmpty()) {
        return std::nullopt;
    }
    return answer;
}

std::optional<std::string> ScriptedPrompts::IndexText(IndexMode mode, const std::string& text) {
    index_requests.push_back({mode, text});
    if (index_answers.empty()) {
        ADD_FAILURE() << "unexpected Index dialog";
        return std::nullopt;
    }
    auto answer = index_answers.front();
    index_answers.pop_front();
    return answer;
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
    if (printer_answers.empty()) {
        ADD_FAILURE() << "unexpected Print dialog";
        return false;
    }
    const PrinterAnswer answer = std::move(printer_answers.front());
    printer_answers.pop_front();
    return answer(printer);
}

bool ScriptedPrompts::RunDialog(QDialog& dialog) {
    dialogs.push_back(dialog.windowTitle());
    if (dialog_answers.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return false;
    }
    const DialogAnswer answer = std::move(dialog_answers.front());
    dialog_answers.pop_front();
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    answer(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the dialog was left open: " << dialog.windowTitle().toStdString();
        dialog.reject();
    }
    return dialog.result() == QDialog::Accepted;
}

std::unique_ptr<ProgressPrompt> ScriptedPrompts::Progress(const QString& text,
                                                          const QString& /*caption*/) {
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
