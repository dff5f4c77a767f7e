// Text as the lessons hold it: Shift_JIS (code page 932) bytes.
//
// Lesson code counts bytes and names byte codes (a half-width katakana such as
// "ﾀ" is the single byte 0xC0), so text stays in CP932 everywhere and only
// becomes Unicode at the moment a glyph is drawn or a trace line written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plat {

using Text = std::string;  // CP932 bytes

// Conversion of UTF-8 source text. Throws std::invalid_argument for a
// character that code page 932 cannot hold: that is a programming error.
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view cp932);
std::u32string ToUnicode(std::string_view cp932);
char32_t DecodeChar(std::string_view oneChar);  // one CP932 character
void AppendUtf8(std::string& out, char32_t u);

// True for the first byte of a double-byte character.
inline bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Character family: a double-byte character counts one. Positions are
// 1-based; texts out of range give the empty text, never a fault.
int Len(std::string_view t);
Text CharAt(std::string_view t, int pos);  // character pos, or empty
Text Mid(std::string_view t, int start, int count = 1 << 30);
Text Left(std::string_view t, int count);
Text Right(std::string_view t, int count);
int InStr(std::string_view hay, std::string_view needle, int start = 1);  // character position, 0 if none
std::vector<Text> SplitChars(std::string_view t);

// Byte family: every byte counts one.
inline int LenB(std::string_view t) { return static_cast<int>(t.size()); }
Text MidB(std::string_view t, int start, int count = 1 << 30);
Text LeftB(std::string_view t, int count);
Text RightB(std::string_view t, int count);
int InStrB(std::string_view hay, std::string_view needle, int start = 1);  // byte position, 0 if none

Text Chr(int code);  // a single byte, or a double-byte character for codes above 255
int Asc(std::string_view t);  // code of the first character, 0 for empty

}  // namespace plat

// A UTF-8 literal converted to CP932 once, on first use.
#define SJ(lit)                                                 \
  ([]() -> const ::plat::Text& {                                \
    static const ::plat::Text converted = ::plat::FromUtf8(lit); \
    return converted;                                           \
  }())
