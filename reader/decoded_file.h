// What both readers give back: the decoded header fields of a raw data file, by name and offset,
// and the file's violations of the format; and the helpers they share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace dsupreader {

struct HeaderField {
  std::string name;
  std::uint32_t offset = 0;
  std::variant<std::int64_t, double, std::u16string> value;
};

struct DecodedFile {
  std::int32_t fileType = 0;
  std::uint64_t fileLength = 0;
  std::vector<HeaderField> header;  // in the order of the file; empty when the header is incomplete
  std::vector<std::string> violations;

  bool verified() const { return violations.empty(); }
  const HeaderField* field(std::string_view name) const;
  // The field's value by kind; 0, 0.0 or empty when the field is missing or of another kind.
  std::int64_t integer(std::string_view name) const;
  double real(std::string_view name) const;
  std::u16string text(std::string_view name) const;
};

// The bytes of a file on the host; empty with `error` set when it cannot be read or is larger than
// the reader takes (1 GiB).
std::optional<std::vector<std::uint8_t>> loadFile(const std::string& path, std::string& error);

// UTF-8 of a UTF-16 text; code units that are no character become U+FFFD.
std::string toUtf8(std::u16string_view text);

}  // namespace dsupreader
