#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tabula {

// Card texts are bytes in Windows-1252; the widgets work in Unicode. These convert between the
// two. A character with no byte in that code page (and NUL, which would end the text) is not
// storable: the editor and the Index dialog replace each one with kReplacement as it arrives,
// so what the user sees is always what the card holds.
inline constexpr char16_t kReplacement = u'?';

QString CardToQString(std::string_view bytes);
// Unstorable characters become '?'.
std::string CardFromQString(const QString& text);
bool IsStorable(char32_t code_point);
// The text with each unstorable character (a surrogate pair counts as one) replaced. The
// editor keeps its line breaks (U+2029, U+2028), which the card stores as CR LF.
enum class LineBreaks { kReplace, kKeep };
QString ReplaceUnstorable(const QString& text, LineBreaks breaks = LineBreaks::kReplace);

// A card body in the editor's form (line breaks as '\n') and back (CR LF).
QString BodyToEditorText(std::string_view body);
std::string EditorTextToBody(QString text);

}  // namespace tabula
