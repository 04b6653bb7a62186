#include "cli/cli.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/open_file.h"
#include "deck/ansi.h"
#include "deck/deck_file.h"
#include "deck/export.h"

namespace tabula::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    R"(Usage: tabula-cli COMMAND ...

Reads Tabula decks (.tbx) and Cardfile files (.crd, both the "MGC" and the later "RRG"
layout), recognised by their first bytes whatever their names.

Commands:
  list FILE                       Print the index lines, smallest first, one a line, in UTF-8.
  info FILE                       Print what the file is, its card count and how many cards
                                  are tagged (and, for Cardfile files, how many pictures and
                                  objects were dropped).
  convert IN OUT [--to FORMAT]    Write the cards of IN to OUT as a deck file (tbx), a text
                                  export (text) or a comma-delimited export (csv). Without
                                  --to the format follows OUT's extension: .tbx, .txt, .csv.
                                  OUT is replaced whole or not at all; IN is never written.
  --help                          Show this text.

Card texts stay in Windows-1252 in every file written; only list and info print UTF-8.

Exit status: 0 when all went well; 1 for wrong usage; 2 when a file cannot be read or
written. A damaged file still gives the cards that could be read before the damage (list
prints them, convert writes them), with the damage reported on standard error and status 2.
)";

enum class Format { kDeck, kText, kCsv };

std::optional<Format> FormatByName(std::string_view name) {
    if (name == "tbx") {
        return Format::kDeck;
    }
    if (name == "text" || name == "txt") {
        return Format::kText;
    }
    if (name == "csv") {
        return Format::kCsv;
    }
    return std::nullopt;
}

std::optional<Format> FormatByExtension(const fs::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(FoldAscii(c)); });
    if (ext == ".tbx") {
        return Format::kDeck;
    }
    if (ext == ".txt") {
        return Format::kText;
    }
    if (ext == ".csv") {
        return Format::kCsv;
    }
    return std::nullopt;
}

int Usage(std::ostream& err, std::string_view problem) {
    err << "tabula-cli: " << problem << "\n\n" << kUsage;
    return kExitUsage;
}

// Opens the file, reporting any trouble; false when no card could be read at all.
bool Open(const std::string& path, Deck& deck, OpenedFile& opened, std::ostream& err) {
    opened = OpenAnyFile(path, deck);
    if (!opened.message.empty()) {
        err << "tabula-cli: " << opened.message << '\n';
    }
    return opened.read;
}

int List(const std::string& path, std::ostream& out, std::ostream& err) {
    Deck deck;
    OpenedFile opened;
    if (!Open(path, deck, opened, err)) {
        return kExitFile;
    }
    for (int k = 0; k < deck.Count(); ++k) {
        out << AnsiToUtf8(deck.At(k).Index()) << '\n';
    }
    return opened.damaged ? kExitFile : kExitOk;
}

int Info(const std::string& path, std::ostream& out, std::ostream& err) {
    Deck deck;
    OpenedFile opened;
    const bool read = Open(path, deck, opened, err);
    if (opened.kind == FileKind::kUnknown || !read) {
        return kExitFile;
    }
    int tagged = 0;
    for (int k = 0; k < deck.Count(); ++k) {
        tagged += deck.At(k).Tagged() ? 1 : 0;
    }
    out << "File: " << path << '\n'
        << "Format: " << DescribeKind(opened.kind) << '\n'
        << "Cards: " << deck.Count() << '\n'
        << "Tagged: " << tagged << '\n';
    if (opened.kind == FileKind::kCardfileMgc || opened.kind == FileKind::kCardfileRrg) {
        out << "Pictures and objects dropped: " << opened.objects_dropped << '\n';
    }
    if (opened.damaged) {
        out << "Damaged: the file announces " << opened.announced << " cards; " << deck.Count()
            << " could be read\n";
    }
    return opened.damaged ? kExitFile : kExitOk;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(b, ec) && fs::equivalent(a, b, ec)) {
        return true;
    }
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

int Convert(const std::vector<std::string>& args, std::ostream& err) {
    std::vector<std::string> files;
    std::optional<Format> format;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--to") {
            if (i + 1 >= args.size()) {
                return Usage(err, "--to needs a format: tbx, text or csv");
            }
            format = FormatByName(args[++i]);
            if (!format) {
                return Usage(err, "unknown format '" + args[i] + "': use tbx, text or csv");
            }
        } else if (args[i].rfind("--to=", 0) == 0) {
            format = FormatByName(std::string_view(args[i]).substr(5));
            if (!format) {
                return Usage(err, "unknown format in '" + args[i] + "': use tbx, text or csv");
            }
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        return Usage(err, "convert takes an input file and an output file");
    }
    const fs::path in = files[0];
    const fs::path out = files[1];
    if (!format) {
        format = FormatByExtension(out);
        if (!format) {
            return Usage(err, "cannot tell the format from '" + files[1] +
                                  "': name it .tbx, .txt or .csv, or give --to");
        }
    }
    if (SameFile(in, out)) {
        err << "tabula-cli: will not write over the input file " << files[0] << '\n';
        return kExitUsage;
    }

    Deck deck;
    OpenedFile opened;
    if (!Open(files[0], deck, opened, err)) {
        return kExitFile;
    }
    ReplaceResult written;
    switch (*format) {
        case Format::kDeck:
            written = WriteDeckFile(out, deck);
            break;
        case Format::kText:
            written = WriteTextExport(out, deck);
            break;
        case Format::kCsv:
            written = WriteCommaDelimitedExport(out, deck);
            break;
    }
    if (!written.ok()) {
        err << "tabula-cli: " << FileErrorMessage(files[1]) << ": " << DescribeReplaceError(written)
            << '\n';
        return kExitFile;
    }
    return opened.damaged ? kExitFile : kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        return Usage(err, "no command given");
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (command == "list" || command == "info") {
        if (args.size() != 2) {
            return Usage(err, command + " takes one file");
        }
        return command == "list" ? List(args[1], out, err) : Info(args[1], out, err);
    }
    if (command == "convert") {
        return Convert(args, err);
    }
    return Usage(err, "unknown command '" + command + "'");
}

}  // namespace tabula::cli
