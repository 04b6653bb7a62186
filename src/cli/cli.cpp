#include "cli/cli.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "cli/open_file.h"
#include "cli/read_input.h"
#include "cli/record_export.h"
#include "deck/deck_file.h"
#include "deck/export.h"

namespace tabula::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    R"(Usage: tabula-cli COMMAND ...

Reads Tabula decks (.tbx) and Cardfile files (.crd, both the "MGC" and the later "RRG"
layout), recognised by their first bytes whatever their names. A FILE or IN of "-" is
standard input; pipes and /dev/stdin are read as well.

Commands:
  list FILE                       Print the index lines, smallest first, one a line, in UTF-8.
                                  Control characters and backslashes in an index are written
                                  as \r, \n, \t, \xHH and \\, so each card is one line.
  info FILE                       Print what the file is, its card count and how many cards
                                  are tagged (and, for Cardfile files, how many pictures and
                                  objects were dropped).
  convert IN OUT [--to FORMAT]    Write the cards of IN to OUT as a deck file (tbx), a text
                                  export (text) or a comma-delimited export (csv). Without
                                  --to the format follows OUT's extension: .tbx, .txt, .csv.
                                  OUT is replaced whole or not at all; IN is never written.
                                  An OUT of "-" is standard output, and needs --to.
  export FILE [--format FORMAT]   Print every card from the first on to standard output as
                                  json (the default: an array of {"index", "body", "tagged"}
                                  objects, UTF-8, "\n" line breaks), csv (RFC 4180: a header
                                  row index,body,tagged, every field quoted, UTF-8, CR LF),
                                  text (the text export) or comma (the comma-delimited export).
  --version                       Print the version.
  --help                          Show this text.

Card texts stay in Windows-1252 in the files convert writes and in the text and comma
exports; list, info and the json and csv exports print UTF-8.

Exit status: 0 when all went well; 1 for wrong usage; 2 when a file cannot be read or
written, standard output included. A damaged file still gives the cards that could be read
before the damage (list and export print them, convert writes them), with the damage
reported on standard error and status 2.
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
    err << "tabula-cli: " << problem << "\nTry 'tabula-cli --help' for more information.\n";
    return kExitUsage;
}

// A command's file names and the value of its one option (given as "--name VALUE" or
// "--name=VALUE"); after "--" every word is a file name, "-" always is one.
struct Words {
    std::vector<std::string> files;
    std::optional<std::string> value;
    std::string problem;  // a usage error, or empty
};

Words SplitWords(const std::vector<std::string>& args, std::string_view option) {
    Words words;
    bool options = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!options || word == "-" || word.empty() || word[0] != '-') {
            words.files.push_back(word);
        } else if (word == "--") {
            options = false;
        } else if (word == option) {
            if (i + 1 >= args.size()) {
                words.problem = std::string(option) + " needs a format";
                return words;
            }
            words.value = args[++i];
        } else if (word.rfind(std::string(option) + "=", 0) == 0) {
            words.value = word.substr(option.size() + 1);
        } else {
            words.problem = "unknown option '" + word + "'";
            return words;
        }
    }
    return words;
}

// Opens the file, reporting any trouble; false when no card could be read at all.
bool Open(const std::string& path, Deck& deck, OpenedFile& opened, std::ostream& err) {
    CliInput input = ReadInput(path);
    if (!input.error.empty()) {
        err << "tabula-cli: " << FileErrorMessage(input.shown) << ": " << input.error << '\n';
        return false;
    }
    if (input.bytes) {
        std::istringstream in(std::move(*input.bytes));
        opened = OpenStream(in, input.shown, deck);
    } else {
        opened = OpenAnyFile(path, deck);
    }
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
    for (int k = 0; k < deck.Count() && out; ++k) {
        out << EscapedIndexLine(deck.At(k).Index()) << '\n';
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
    out << "File: " << (path == "-" ? "standard input" : path) << '\n'
        << "Format: " << DescribeKind(opened.kind) << '\n'
        << "Cards: " << deck.Count() << '\n'
        << "Tagged: " << opened.tagged << '\n';
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

int Convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Words words = SplitWords(args, "--to");
    if (!words.problem.empty()) {
        return Usage(err, words.problem + ": tbx, text or csv");
    }
    if (words.files.size() != 2) {
        return Usage(err, "convert takes an input file and an output file");
    }
    const std::string& in = words.files[0];
    const std::string& target = words.files[1];
    const bool to_stdout = target == "-";
    std::optional<Format> format;
    if (words.value) {
        format = FormatByName(*words.value);
        if (!format) {
            return Usage(err, "unknown format '" + *words.value + "': use tbx, text or csv");
        }
    } else if (to_stdout) {
        return Usage(err, "an output of '-' needs --to: tbx, text or csv");
    } else {
        format = FormatByExtension(target);
        if (!format) {
            return Usage(err, "cannot tell the format from '" + target +
                                  "': name it .tbx, .txt or .csv, or give --to");
        }
    }
    if (in != "-" && !to_stdout && SameFile(in, target)) {
        err << "tabula-cli: will not write over the input file " << in << '\n';
        return kExitUsage;
    }

    Deck deck;
    OpenedFile opened;
    if (!Open(in, deck, opened, err)) {
        return kExitFile;
    }
    if (to_stdout) {
        // A failed write is found when standard output is flushed at the end.
        switch (*format) {
            case Format::kDeck:
                WriteDeckFile(out, deck);
                break;
            case Format::kText:
                WriteTextExport(out, deck);
                break;
            case Format::kCsv:
                WriteCommaDelimitedExport(out, deck);
                break;
        }
        return opened.damaged ? kExitFile : kExitOk;
    }
    ReplaceResult written;
    switch (*format) {
        case Format::kDeck:
            written = WriteDeckFile(fs::path(target), deck);
            break;
        case Format::kText:
            written = WriteTextExport(fs::path(target), deck);
            break;
        case Format::kCsv:
            written = WriteCommaDelimitedExport(fs::path(target), deck);
            break;
    }
    if (!written.ok()) {
        err << "tabula-cli: " << FileErrorMessage(target) << ": " << DescribeReplaceError(written)
            << '\n';
        return kExitFile;
    }
    return opened.damaged ? kExitFile : kExitOk;
}

int Export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Words words = SplitWords(args, "--format");
    if (!words.problem.empty()) {
        return Usage(err, words.problem + ": json, csv, text or comma");
    }
    if (words.files.size() != 1) {
        return Usage(err, "export takes one file");
    }
    using Writer = bool (*)(std::ostream&, const Deck&);
    constexpr std::pair<std::string_view, Writer> kWriters[] = {
        {"json", WriteJsonExport},
        {"csv", WriteCsvExport},
        {"text", WriteTextExport},
        {"comma", WriteCommaDelimitedExport}};
    const std::string format = words.value.value_or("json");
    const auto* writer = std::find_if(std::begin(kWriters), std::end(kWriters),
                                      [&format](const auto& w) { return w.first == format; });
    if (writer == std::end(kWriters)) {
        return Usage(err, "unknown format '" + format + "': use json, csv, text or comma");
    }
    Deck deck;
    OpenedFile opened;
    if (!Open(words.files[0], deck, opened, err)) {
        return kExitFile;
    }
    writer->second(out, deck);  // a failed write is found when standard output is flushed
    return opened.damaged ? kExitFile : kExitOk;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        return Usage(err, "no command given");
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (command == "--version") {
        out << "tabula-cli " << TABULA_VERSION << '\n';
        return kExitOk;
    }
    if (command == "list" || command == "info") {
        if (args.size() != 2) {
            return Usage(err, command + " takes one file");
        }
        return command == "list" ? List(args[1], out, err) : Info(args[1], out, err);
    }
    if (command == "convert") {
        return Convert(args, out, err);
    }
    if (command == "export") {
        return Export(args, out, err);
    }
    return Usage(err, "unknown command '" + command + "'");
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    errno = 0;
    const int status = Run(args, out, err);
    // Output that never arrived must not pass for success: a script archiving decks through
    // a full disk would lose them without a word.
    out.flush();
    if (!out) {
        const int error = errno;
        err << "tabula-cli: cannot write to standard output";
        if (error != 0) {
            err << ": " << std::strerror(error);
        }
        err << '\n';
        return kExitFile;
    }
    return status;
}

}  // namespace tabula::cli
