#include "cli/record_export.h"

#include <cstdio>
#include <ostream>

#include "deck/ansi.h"
#include "deck/export.h"

namespace tabula::cli {

namespace {

void AppendHex(std::string& out, unsigned char byte, const char* prefix) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%s%02x", prefix, byte);
    out += hex;
}

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    AppendHex(out, byte, "\\u00");
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

std::string WithLfLineBreaks(std::string_view body) {
    std::string text;
    text.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (!(body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n')) {
            text += body[i];
        }
    }
    return text;
}

void AppendCsvField(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

bool NeedsEscape(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == '\\' || byte == 0x81 || byte == 0x8D ||
           byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

}  // namespace

bool WriteJsonExport(std::ostream& out, const Deck& deck) {
    bool first = true;
    out << '[';
    WriteCardTexts(out, deck, [&first](const Card& card, std::string& chunk) {
        chunk += first ? "\n" : ",\n";
        first = false;
        chunk += "  {\"index\": ";
        AppendJsonString(chunk, AnsiToUtf8(card.Index()));
        chunk += ", \"body\": ";
        AppendJsonString(chunk, AnsiToUtf8(WithLfLineBreaks(card.Body())));
        chunk += card.Tagged() ? ", \"tagged\": true}" : ", \"tagged\": false}";
    });
    out << (first ? "]\n" : "\n]\n");
    return static_cast<bool>(out);
}

bool WriteCsvExport(std::ostream& out, const Deck& deck) {
    out << "\"index\",\"body\",\"tagged\"\r\n";
    return WriteCardTexts(out, deck, [](const Card& card, std::string& chunk) {
        AppendCsvField(chunk, AnsiToUtf8(card.Index()));
        chunk += ',';
        AppendCsvField(chunk, AnsiToUtf8(card.Body()));
        chunk += card.Tagged() ? ",\"true\"\r\n" : ",\"false\"\r\n";
    });
}

std::string EscapedIndexLine(std::string_view ansi) {
    std::string line;
    std::size_t run = 0;
    for (std::size_t i = 0; i <= ansi.size(); ++i) {
        if (i < ansi.size() && !NeedsEscape(static_cast<unsigned char>(ansi[i]))) {
            continue;
        }
        line += AnsiToUtf8(ansi.substr(run, i - run));
        run = i + 1;
        if (i == ansi.size()) {
            break;
        }
        switch (ansi[i]) {
            case '\\':
                line += "\\\\";
                break;
            case '\r':
                line += "\\r";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\t':
                line += "\\t";
                break;
            default:
                AppendHex(line, static_cast<unsigned char>(ansi[i]), "\\x");
        }
    }
    return line;
}

}  // namespace tabula::cli
