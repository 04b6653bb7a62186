#include "commands/print_commands.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdint>
#include <string>

#include "commands/command_context.h"
#include "commands/core_messages.h"
#include "commands/document_host.h"
#include "commands/long_work.h"
#include "deck/deck.h"
#include "output/devices/qt_print_device.h"
#include "output/print_layouts.h"
#include "stack/card_stack.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

// Laying out and drawing a card's lines costs many times reading its record, so a print
// counts as long work at far fewer cards than a save.
constexpr std::int64_t kPrintCostPerCard = 8 * 1024;

// Whether the printer the dialog returned can take a job at all. Qt falls back to a PDF file
// for a printer it does not know, so a printer with nowhere to send the pages shows up as a
// system printer that has gone since, or as a PDF printer without a file name.
bool Usable(const QPrinter& printer) {
    if (!printer.isValid()) {
        return false;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return !printer.outputFileName().isEmpty();
    }
    return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

PrintResult Print(PrintDevice& device, const Deck& deck, const std::string& file_name,
                  PrintLayout layout) {
    const PrintWords words{
        QCoreApplication::translate("tabula::PrintCommands", "Index: %1").toStdString(),
        QCoreApplication::translate("tabula::PrintCommands", "%1 - page %2").toStdString()};
    switch (layout) {
        case PrintLayout::kCard:
            return PrintCard(device, deck, file_name, words);
        case PrintLayout::kList:
            return PrintList(device, deck, file_name, words);
        case PrintLayout::kTagged:
            return PrintTagged(device, deck, file_name, words);
    }
    return PrintResult::kRefused;
}

}  // namespace

void PrintCards(CommandContext& context, DocumentHost& document, PrintLayout layout) {
    QPrinter printer(QPrinter::HighResolution);
    if (context.prompts.ChoosePrinter(printer)) {
        // A job the printer refuses is told as well: here that is a real failure (a PDF file
        // that cannot be written, a print system that does not answer), which the user could
        // not have caused by cancelling, and silence would pass it off as printed.
        bool printed = false;
        if (Usable(printer)) {
            const std::int64_t cards = layout == PrintLayout::kCard ? 1 : context.deck.Count();
            const LongWork work(document,
                                WorkText(QT_TRANSLATE_NOOP("tabula::LongWork", "Printing %1…"),
                                         document.CurrentFile()),
                                cards * kPrintCostPerCard);
            QtPrintDevice device(printer);
            printed = Print(device, context.deck, document.CurrentFile().toStdString(), layout) !=
                      PrintResult::kRefused;
        }
        if (!printed) {
            context.prompts.Message(PrintFailedText(), QCoreApplication::applicationName(),
                                    MessageIcon::kWarning, MessageButtons::kOk);
        }
    }
    context.stack.FocusEditor();
}

}  // namespace tabula
