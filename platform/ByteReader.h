// Bounds-checked reads of integers from an untrusted file image. Every offset and length is
// checked against the image before it is read, with arithmetic that cannot wrap, so a parser
// built on it gets "no value" from a malformed file instead of reading past its end.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace solvanex::platform {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes, bool bigEndian = false)
      : bytes_(bytes), bigEndian_(bigEndian) {}

  std::uint64_t size() const { return bytes_.size(); }

  // Whether [offset, offset + length) lies inside the image.
  bool Contains(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }

  std::optional<std::uint8_t> U8(std::uint64_t offset) const {
    if (!Contains(offset, 1)) return std::nullopt;
    return static_cast<std::uint8_t>(bytes_[offset]);
  }
  std::optional<std::uint16_t> U16(std::uint64_t offset) const {
    return Read<std::uint16_t>(offset, 2);
  }
  std::optional<std::uint32_t> U32(std::uint64_t offset) const {
    return Read<std::uint32_t>(offset, 4);
  }
  std::optional<std::uint64_t> U64(std::uint64_t offset) const {
    return Read<std::uint64_t>(offset, 8);
  }

  // length bytes at offset, or nullopt.
  std::optional<std::string_view> Bytes(std::uint64_t offset, std::uint64_t length) const {
    if (!Contains(offset, length)) return std::nullopt;
    return bytes_.substr(offset, length);
  }

 private:
  template <typename T>
  std::optional<T> Read(std::uint64_t offset, unsigned width) const {
    if (!Contains(offset, width)) return std::nullopt;
    T value = 0;
    for (unsigned i = 0; i < width; ++i) {
      const unsigned byte = bigEndian_ ? i : width - 1 - i;
      value = static_cast<T>((value << 8) | static_cast<std::uint8_t>(bytes_[offset + byte]));
    }
    return value;
  }

  std::string_view bytes_;
  bool bigEndian_;
};

}  // namespace solvanex::platform
