#include "deck/export.h"

#include <ostream>

#include "deck/deck_file.h"

namespace tabula {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kWrapColumn = 60;
constexpr std::string_view kRule = "------------------------------------------------------------\n";
constexpr std::size_t kFlushAt = 1 << 20;

}  // namespace

bool WriteCardTexts(std::ostream& out, const Deck& deck,
                    const std::function<void(const Card&, std::string&)>& render) {
    std::string chunk;
    for (int k = 0; k < deck.Count() && out; ++k) {
        render(deck.At(k), chunk);
        if (chunk.size() >= kFlushAt) {
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
        }
    }
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    return static_cast<bool>(out);
}

std::vector<std::string> SplitBodyLines(std::string_view body) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t column = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        ++column;
        if (c == '\r') {
            lines.push_back(line + '\n');
            line.clear();
            column = 0;
            ++i;  // the LF of the pair, whatever it is
        } else {
            line += c;
            if (c == ' ' && column >= kWrapColumn) {
                lines.push_back(line + '\n');
                line.clear();
                column = 0;
            }
        }
    }
    lines.push_back(line);
    return lines;
}

void AppendCardTextBlock(std::string& out, const Card& card, std::string_view line_end) {
    out += card.Index();
    out += line_end;
    // The body's lines as SplitBodyLines gives them, one after the other.
    const std::string_view body = card.Body();
    std::size_t column = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        ++column;
        if (c == '\r') {
            out += line_end;
            column = 0;
            ++i;
        } else {
            out += c;
            if (c == '\n') {
                // A lone LF (never typed, but a file may hold one) stays a line end.
                out.replace(out.size() - 1, 1, line_end);
            } else if (c == ' ' && column >= kWrapColumn) {
                out += line_end;
                column = 0;
            }
        }
    }
    out += line_end;
    out.append(kRule.data(), kRule.size() - 1);
    out += line_end;
    out += line_end;
}

std::string CommaDelimitedLine(const Card& card) {
    std::string line(card.Index());
    line += ',';
    std::string body(card.Body());
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\n') {
            body[i] = ' ';
            if (i > 0) {
                body[i - 1] = ' ';
            }
        } else if (body[i] == ',') {
            body[i] = ' ';
        }
    }
    line += body;
    line += '\n';
    return line;
}

bool WriteTextExport(std::ostream& out, const Deck& deck) {
    return WriteCardTexts(out, deck, [](const Card& card, std::string& chunk) {
        AppendCardTextBlock(chunk, card, "\r\n");
    });
}

bool WriteCommaDelimitedExport(std::ostream& out, const Deck& deck) {
    return WriteCardTexts(
        out, deck, [](const Card& card, std::string& chunk) { chunk += CommaDelimitedLine(card); });
}

ReplaceResult WriteTextExport(const fs::path& path, const Deck& deck) {
    return ReplaceFile(path, [&deck](std::ostream& out) { return WriteTextExport(out, deck); });
}

ReplaceResult WriteCommaDelimitedExport(const fs::path& path, const Deck& deck) {
    return ReplaceFile(path,
                       [&deck](std::ostream& out) { return WriteCommaDelimitedExport(out, deck); });
}

std::string ExportMessage(const ReplaceResult& result, std::string_view path) {
    if (result.ok()) {
        return {};
    }
    return FileErrorMessage(path) + ": " + DescribeReplaceError(result) + ".";
}

}  // namespace tabula
