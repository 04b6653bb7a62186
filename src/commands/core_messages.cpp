#include "commands/core_messages.h"

#include <QCoreApplication>

#include "deck/ansi.h"
#include "deck/cardfile.h"
#include "deck/deck_file.h"
#include "deck/replace_file.h"
#include "output/mail_transport.h"

namespace tabula {

namespace {

QString CompleteCardsRead(const DeckReadResult& result) {
    return result.cards_read == 1
               ? QCoreApplication::translate("tabula::CoreMessages", "1 complete card was read")
               : QCoreApplication::translate("tabula::CoreMessages", "%1 complete cards were read")
                     .arg(result.cards_read);
}

QString ReplaceErrorText(const ReplaceResult& result) {
    using Status = ReplaceResult::Status;
    // The system's own reason comes in the language the C library speaks.
    const QString reason = QString::fromLocal8Bit(result.error.message());
    switch (result.status) {
        case Status::kOk:
            return {};
        case Status::kWriteProtected:
            return QCoreApplication::translate("tabula::CoreMessages",
                                               "the file is write-protected");
        case Status::kNoSpace:
            return QCoreApplication::translate("tabula::CoreMessages",
                                               "its folder cannot be written to, and the disk "
                                               "has too little free space to write the file in "
                                               "place");
        case Status::kPartlyWritten:
            return QCoreApplication::translate(
                       "tabula::CoreMessages",
                       "%1; the file was being written in place and is now incomplete")
                .arg(result.error
                         ? reason
                         : QCoreApplication::translate("tabula::CoreMessages", "the write failed"));
        case Status::kCannotCreate:
        case Status::kWriteFailed:
            break;
    }
    if (result.error) {
        return reason;
    }
    return result.status == Status::kCannotCreate
               ? QCoreApplication::translate("tabula::CoreMessages", "cannot create the file")
               : QCoreApplication::translate("tabula::CoreMessages", "the file was not written");
}

// The phrases of a damaged Cardfile file, which follow "File damaged at card N:" and speak of
// the card, and the parts of an object they name: the library words them in English, and they
// are marked here so that they can be translated. A phrase the library adds later shows in
// English until it is added here.
[[maybe_unused]] constexpr const char* kReadProblemPhrases[] = {
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "the file ends inside its header"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "the file ends inside the list of index lines"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "its data lies outside the file"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "the file ends inside its data"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "the file ends inside its picture"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "the file ends inside its object"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "the file ends inside its object's placement"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "the file ends inside its text"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "its object is of an unknown kind (format %1)"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem",
                      "its object's picture is of an unknown kind (format %1)"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem",
                      "its object's %1 (%2 bytes) runs past the end of the file"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "class name"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "topic"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "item"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "data"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "network name"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "picture"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "picture's class name"),
    QT_TRANSLATE_NOOP("tabula::ReadProblem", "picture's format name"),
};

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A phrase or an argument the translation does not know comes through in English.
QString ReadProblemText(const ReadProblem& problem) {
    const auto translate = [](std::string_view text) {
        const std::string source(text);
        return QCoreApplication::translate("tabula::ReadProblem", source.c_str());
    };
    QString text = translate(problem.phrase);
    // The arguments are names of an object's parts or numbers.
    for (const std::string& arg : problem.args) {
        text = text.arg(translate(arg));
    }
    return text;
}

}  // namespace

QString FileErrorText(const QString& path) {
    return QCoreApplication::translate("tabula::CoreMessages", "File Error - \"%1\"").arg(path);
}

QString DeckReadText(const DeckReadResult& result, const QString& path) {
    using Status = DeckReadResult::Status;
    switch (result.status) {
        case Status::kOk:
        case Status::kCancelled:  // the user stopped it: nothing to say
            return {};
        case Status::kCannotOpen:
            return FileErrorText(path);
        case Status::kIncompatible:
            return QCoreApplication::translate("tabula::CoreMessages",
                                               "File Error - Incompable File");
        case Status::kTruncated:
            //: %1 is "File Error" with the file's name, %2 how many cards were read.
            return QCoreApplication::translate("tabula::CoreMessages", "%1 is cut short: %2.")
                .arg(FileErrorText(path), CompleteCardsRead(result));
        case Status::kReadError:
            return QCoreApplication::translate("tabula::CoreMessages",
                                               "%1 could not be read to its end: %2.")
                .arg(FileErrorText(path), CompleteCardsRead(result));
    }
    return {};
}

QString DeckWriteText(const ReplaceResult& result, const QString& path) {
    switch (result.status) {
        case ReplaceResult::Status::kOk:
            return {};
        case ReplaceResult::Status::kCannotCreate:
            return FileErrorText(path);
        case ReplaceResult::Status::kWriteProtected:
            return QCoreApplication::translate("tabula::CoreMessages", "%1 is write-protected.")
                .arg(FileErrorText(path));
        case ReplaceResult::Status::kPartlyWritten:
            return QCoreApplication::translate(
                       "tabula::CoreMessages",
                       "%1 was not saved: %2. The deck is still open: save it again, or under "
                       "another name.")
                .arg(FileErrorText(path), ReplaceErrorText(result));
        default:
            return QCoreApplication::translate("tabula::CoreMessages",
                                               "%1 was not saved: %2. The file on disk is as it "
                                               "was.")
                .arg(FileErrorText(path), ReplaceErrorText(result));
    }
}

QString ExportErrorText(const ReplaceResult& result, const QString& path) {
    if (result.ok()) {
        return {};
    }
    //: %1 is "File Error" with the file's name, %2 the reason.
    return QCoreApplication::translate("tabula::CoreMessages", "%1: %2.")
        .arg(FileErrorText(path), ReplaceErrorText(result));
}

QString CardfileText(const CardfileResult& result) {
    using Status = CardfileResult::Status;
    switch (result.status) {
        case Status::kOk:
        case Status::kCancelled:
            return {};
        case Status::kCannotOpen:
            return QCoreApplication::translate("tabula::CoreMessages", "File error - 25");
        case Status::kNotCompatible:
            return QCoreApplication::translate("tabula::CoreMessages", "File not compatible");
        case Status::kDamaged:
            break;
    }
    const QString problem = ReadProblemText(result.problem);
    if (result.damaged_card < 0) {
        return QCoreApplication::translate("tabula::CoreMessages",
                                           "File damaged: %1. No cards were read.")
            .arg(problem);
    }
    QString read;
    if (result.cards_read == 0) {
        read = QCoreApplication::translate("tabula::CoreMessages", "No cards were read.");
    } else if (result.cards_read == 1) {
        read =
            QCoreApplication::translate("tabula::CoreMessages", "The 1 card before it was read.");
    } else {
        read =
            QCoreApplication::translate("tabula::CoreMessages", "The %1 cards before it were read.")
                .arg(result.cards_read);
    }
    const QString card = QString::number(result.damaged_card + 1);
    if (result.damaged_index.empty()) {
        return QCoreApplication::translate("tabula::CoreMessages",
                                           "File damaged at card %1: %2. %3")
            .arg(card, problem, read);
    }
    return QCoreApplication::translate("tabula::CoreMessages",
                                       "File damaged at card %1 \"%2\": %3. %4")
        .arg(card, FromStd(AnsiToUtf8(result.damaged_index)), problem, read);
}

QString MailOutcomeText(const MailOutcome& outcome) {
    switch (outcome.kind) {
        case MailOutcome::Kind::kNoMailTool:
            return QCoreApplication::translate(
                "tabula::CoreMessages",
                "Load Fail\nThe xdg-email command was not found (it comes with xdg-utils)");
        case MailOutcome::Kind::kNotLoadable:
            return QCoreApplication::translate(
                "tabula::CoreMessages", "Load Fail\nNo mail program is set for mailto links");
        case MailOutcome::Kind::kNoEntryPoint:
            return QCoreApplication::translate(
                "tabula::CoreMessages",
                "Invalid Mapi32.DLL\nThe mail program cannot take messages");
        case MailOutcome::Kind::kReturned:
            break;
    }
    switch (outcome.code) {
        case MailOutcome::kSent:
        case MailOutcome::kCancelled:
        case MailOutcome::kLogonFailed:
            return {};
        default:
            return QCoreApplication::translate(
                "tabula::CoreMessages",
                "Failed To Send\nPlease verify your email setup in Control Panel");
    }
}

QString MailFileErrorText() {
    return QCoreApplication::translate("tabula::CoreMessages", "File Error");
}

QString PrintFailedText() {
    return QCoreApplication::translate("tabula::CoreMessages", "Print Failed");
}

QString ErrorCaption() {
    return QCoreApplication::translate("tabula::CoreMessages", "Tabula Error...");
}

}  // namespace tabula
