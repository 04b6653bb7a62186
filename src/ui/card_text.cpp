#include "ui/card_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

#include "deck/ansi.h"

namespace tabula {

namespace {

// Code points of the bytes 80-9F, where Windows-1252 differs from Latin-1.
const std::array<char32_t, 32>& HighRow() {
    static const std::array<char32_t, 32> row = [] {
        std::array<char32_t, 32> r{};
        for (int b = 0; b < 32; ++b) {
            r[static_cast<std::size_t>(b)] = AnsiToCodePoint(static_cast<unsigned char>(0x80 + b));
        }
        return r;
    }();
    return row;
}

}  // namespace

bool IsStorable(char32_t cp) {
    if (cp == 0) {
        return false;
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return true;
    }
    for (const char32_t c : HighRow()) {
        if (c == cp) {
            return true;
        }
    }
    return false;
}

QString ReplaceUnstorable(const QString& text, LineBreaks breaks) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += QChar(kReplacement);
            ++i;
        } else if (IsStorable(c.unicode()) ||
                   (breaks == LineBreaks::kKeep &&
                    (c == QChar::ParagraphSeparator || c == QChar::LineSeparator))) {
            out += c;
        } else {
            out += QChar(kReplacement);
        }
    }
    return out;
}

QString CardToQString(std::string_view bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string CardFromQString(const QString& text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(ReplaceUnstorable(text));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString BodyToEditorText(std::string_view body) {
    QString text = CardToQString(body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

std::string EditorTextToBody(QString text) {
    text.replace(QChar(QChar::ParagraphSeparator), QChar(u'\n'));
    text.replace(QChar(QChar::LineSeparator), QChar(u'\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return CardFromQString(text);
}

}  // namespace tabula
