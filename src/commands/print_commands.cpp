#include "commands/print_commands.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <string>

#include "commands/command_context.h"
#include "commands/core_messages.h"
#include "commands/document_host.h"
#include "deck/deck.h"
#include "output/devices/qt_print_device.h"
#include "output/print_layouts.h"
#include "stack/card_stack.h"
#include "ui/prompts.h"

namespace tabula {

namespace {

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

void PrintCards(CommandContext& context, const DocumentHost& document, PrintLayout layout) {
    QPrinter printer(QPrinter::HighResolution);
    if (context.prompts.ChoosePrinter(printer)) {
        // A job the printer refuses is told as well: here that is a real failure (a PDF file
        // that cannot be written, a print system that does not answer), which the user could
        // not have caused by cancelling, and silence would pass it off as printed.
        bool printed = false;
        if (Usable(printer)) {
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
