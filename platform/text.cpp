#include "platform/text.h"

#include <iconv.h>

#include <array>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace plat {
namespace {

// Both directions are built once from the C library's CP932 converter and then
// served from tables, so that drawing never calls iconv.
struct Tables {
  std::array<char32_t, 65536> decode{};  // code -> Unicode (0 when undefined)
  std::unordered_map<char32_t, unsigned> encode;

  Tables() {
    iconv_t cd = iconv_open("UTF-32LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("CP932 converter missing");
    auto convert = [&](const char* in, size_t n) -> char32_t {
      char buf[8];
      char* pin = const_cast<char*>(in);
      char* pout = buf;
      size_t inLeft = n, outLeft = sizeof buf;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      if (iconv(cd, &pin, &inLeft, &pout, &outLeft) == static_cast<size_t>(-1) || outLeft != 4) return 0;
      return static_cast<unsigned char>(buf[0]) | static_cast<unsigned char>(buf[1]) << 8 |
             static_cast<unsigned char>(buf[2]) << 16 | static_cast<unsigned char>(buf[3]) << 24;
    };
    for (unsigned b = 0; b < 256; ++b) {
      if (IsLeadByte(static_cast<unsigned char>(b))) continue;
      char c = static_cast<char>(b);
      decode[b] = b < 0x80 ? b : convert(&c, 1);
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        char two[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        decode[lead << 8 | trail] = convert(two, 2);
      }
    }
    iconv_close(cd);
    // Encode: the first code that decodes to a character wins, except where
    // CP932 names a preferred code (NEC row 13 duplicates IBM extensions).
    for (unsigned code = 0; code < 65536; ++code) {
      char32_t u = decode[code];
      if (u == 0 && code != 0) continue;
      encode.emplace(u, code);
    }
  }
};

const Tables& GetTables() {
  static const Tables tables;
  return tables;
}

// Length in bytes of the character starting at t[i].
size_t CharBytes(std::string_view t, size_t i) {
  return (IsLeadByte(static_cast<unsigned char>(t[i])) && i + 1 < t.size()) ? 2 : 1;
}

// Byte offset of character pos (1-based); t.size() when past the end.
size_t OffsetOfChar(std::string_view t, int pos) {
  size_t i = 0;
  for (int c = 1; c < pos && i < t.size(); ++c) i += CharBytes(t, i);
  return i;
}

char32_t DecodeUtf8(std::string_view s, size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i++]);
  if (c < 0x80) return c;
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
  char32_t u = c & (0x3F >> extra);
  for (int k = 0; k < extra && i < s.size(); ++k) u = u << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
  return u;
}


}  // namespace

void AppendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | u >> 6);
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    out += static_cast<char>(0xE0 | u >> 12);
    out += static_cast<char>(0x80 | (u >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | u >> 18);
    out += static_cast<char>(0x80 | (u >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (u >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

Text FromUtf8(std::string_view utf8) {
  const Tables& t = GetTables();
  Text out;
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t u = DecodeUtf8(utf8, i);
    auto it = t.encode.find(u);
    if (it == t.encode.end()) throw std::invalid_argument("character outside code page 932");
    unsigned code = it->second;
    if (code > 0xFF) out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
  }
  return out;
}

char32_t DecodeChar(std::string_view c) {
  if (c.empty()) return 0;
  const Tables& t = GetTables();
  unsigned code = static_cast<unsigned char>(c[0]);
  if (IsLeadByte(static_cast<unsigned char>(c[0])) && c.size() >= 2) code = code << 8 | static_cast<unsigned char>(c[1]);
  char32_t u = t.decode[code];
  return (u == 0 && code != 0) ? U'\uFFFD' : u;
}

std::u32string ToUnicode(std::string_view cp932) {
  std::u32string out;
  for (size_t i = 0; i < cp932.size();) {
    size_t n = CharBytes(cp932, i);
    out += DecodeChar(cp932.substr(i, n));
    i += n;
  }
  return out;
}

std::string ToUtf8(std::string_view cp932) {
  std::string out;
  for (char32_t u : ToUnicode(cp932)) AppendUtf8(out, u);
  return out;
}

int Len(std::string_view t) {
  int n = 0;
  for (size_t i = 0; i < t.size(); i += CharBytes(t, i)) ++n;
  return n;
}

Text CharAt(std::string_view t, int pos) { return Mid(t, pos, 1); }

Text Mid(std::string_view t, int start, int count) {
  if (start < 1 || count <= 0) return {};
  size_t b = OffsetOfChar(t, start);
  size_t e = b;
  for (int c = 0; c < count && e < t.size(); ++c) e += CharBytes(t, e);
  return Text(t.substr(b, e - b));
}

Text Left(std::string_view t, int count) { return Mid(t, 1, count); }

Text Right(std::string_view t, int count) {
  int n = Len(t);
  if (count <= 0) return {};
  if (count >= n) return Text(t);
  return Mid(t, n - count + 1, count);
}

int InStr(std::string_view hay, std::string_view needle, int start) {
  if (start < 1) start = 1;
  int pos = start;
  for (size_t i = OffsetOfChar(hay, start); i < hay.size(); i += CharBytes(hay, i), ++pos) {
    if (hay.substr(i, needle.size()) == needle) return pos;
  }
  return needle.empty() && start <= Len(hay) + 1 ? start : 0;
}

std::vector<Text> SplitChars(std::string_view t) {
  std::vector<Text> out;
  for (size_t i = 0; i < t.size();) {
    size_t n = CharBytes(t, i);
    out.emplace_back(t.substr(i, n));
    i += n;
  }
  return out;
}

Text MidB(std::string_view t, int start, int count) {
  if (start < 1 || count <= 0 || static_cast<size_t>(start) > t.size()) return {};
  return Text(t.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

Text LeftB(std::string_view t, int count) { return count <= 0 ? Text{} : Text(t.substr(0, static_cast<size_t>(count))); }

Text RightB(std::string_view t, int count) {
  if (count <= 0) return {};
  size_t n = static_cast<size_t>(count);
  return n >= t.size() ? Text(t) : Text(t.substr(t.size() - n));
}

int InStrB(std::string_view hay, std::string_view needle, int start) {
  if (start < 1) start = 1;
  if (static_cast<size_t>(start - 1) > hay.size()) return 0;
  size_t p = hay.find(needle, static_cast<size_t>(start - 1));
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

Text Chr(int code) {
  if (code > 0xFF) return Text{static_cast<char>(code >> 8 & 0xFF), static_cast<char>(code & 0xFF)};
  return Text(1, static_cast<char>(code & 0xFF));
}

int Asc(std::string_view t) {
  if (t.empty()) return 0;
  unsigned code = static_cast<unsigned char>(t[0]);
  if (IsLeadByte(static_cast<unsigned char>(t[0])) && t.size() >= 2) code = code << 8 | static_cast<unsigned char>(t[1]);
  return static_cast<int>(code);
}

}  // namespace plat
