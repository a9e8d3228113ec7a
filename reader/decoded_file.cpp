#include "decoded_file.h"

#include <fstream>

namespace dsupreader {

namespace {

constexpr std::uintmax_t largestFile = std::uintmax_t{1} << 30;

}  // namespace

const HeaderField* DecodedFile::field(std::string_view name) const {
  for (const HeaderField& entry : header)
    if (entry.name == name) return &entry;
  return nullptr;
}

std::int64_t DecodedFile::integer(std::string_view name) const {
  const HeaderField* entry = field(name);
  const auto* value = entry ? std::get_if<std::int64_t>(&entry->value) : nullptr;
  return value ? *value : 0;
}

double DecodedFile::real(std::string_view name) const {
  const HeaderField* entry = field(name);
  const auto* value = entry ? std::get_if<double>(&entry->value) : nullptr;
  return value ? *value : 0.0;
}

std::u16string DecodedFile::text(std::string_view name) const {
  const HeaderField* entry = field(name);
  const auto* value = entry ? std::get_if<std::u16string>(&entry->value) : nullptr;
  return value ? *value : std::u16string();
}

std::optional<std::vector<std::uint8_t>> loadFile(const std::string& path, std::string& error) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    error = "cannot open " + path;
    return std::nullopt;
  }
  const auto size = static_cast<std::uintmax_t>(in.tellg());
  if (size > largestFile) {
    error = path + " is larger than 1 GiB";
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  return bytes;
}

std::string toUtf8(std::u16string_view text) {
  constexpr char32_t replacement = 0xFFFD;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (c >= 0xD800 && c <= 0xDFFF)
      c = replacement;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18);
      out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace dsupreader
