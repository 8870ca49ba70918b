#include "support/bitmap_maker.h"

#include <cstdlib>

namespace orvane::testing {

namespace {

void append(std::string& bytes, std::uint64_t value, int size) {
  for (int index = 0; index < size; ++index) bytes += static_cast<char>((value >> (8 * index)) & 0xFF);
}

std::string infoHeader(const BitmapShape& shape, std::uint32_t imageSize) {
  std::string header;
  append(header, shape.infoHeaderSize, 4);
  if (shape.infoHeaderSize == 12) {
    append(header, static_cast<std::uint16_t>(shape.width), 2);
    append(header, static_cast<std::uint16_t>(shape.height), 2);
    append(header, 1, 2);
    append(header, shape.bitsPerPixel, 2);
    return header;
  }
  append(header, static_cast<std::uint32_t>(shape.width), 4);
  append(header, static_cast<std::uint32_t>(shape.height), 4);
  append(header, 1, 2);
  append(header, shape.bitsPerPixel, 2);
  append(header, shape.compression, 4);
  append(header, imageSize, 4);
  append(header, 2835, 4);
  append(header, 2835, 4);
  append(header, 0, 4);
  append(header, 0, 4);
  // The later versions' masks, colour space and profile fields, left at zero.
  header.resize(shape.infoHeaderSize, '\0');
  return header;
}

}  // namespace

std::string makeBitmap(const BitmapShape& shape) {
  const std::uint64_t rowSize =
      4 * ((static_cast<std::uint64_t>(shape.width) * shape.bitsPerPixel + 31) / 32);
  const bool compressed = shape.compression != bitmapRgb && shape.compression != bitmapBitFields;
  const auto imageSize = static_cast<std::uint32_t>(
      compressed ? 6 : rowSize * static_cast<std::uint64_t>(std::abs(shape.height)));
  std::string extra;
  if (shape.bitsPerPixel <= 8) {
    const int entrySize = shape.infoHeaderSize == 12 ? 3 : 4;
    extra.assign(static_cast<std::size_t>(entrySize) << shape.bitsPerPixel, '\x40');
  }
  if (shape.compression == bitmapBitFields && shape.infoHeaderSize == 40) {
    append(extra, 0xF800, 4);
    append(extra, 0x07E0, 4);
    append(extra, 0x001F, 4);
  }
  const auto offset = static_cast<std::uint32_t>(14 + shape.infoHeaderSize + extra.size());
  std::string bytes = "BM";
  append(bytes, offset + imageSize, 4);
  append(bytes, 0, 4);
  append(bytes, offset, 4);
  bytes += infoHeader(shape, imageSize);
  bytes += extra;
  for (std::uint32_t index = 0; index < imageSize; ++index) bytes += static_cast<char>(index * 7 + 1);
  return bytes;
}

void setField32(std::string& bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t index = 0; index < 4; ++index)
    bytes[offset + index] = static_cast<char>((value >> (8 * index)) & 0xFF);
}

void setField16(std::string& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<char>(value & 0xFF);
  bytes[offset + 1] = static_cast<char>(value >> 8);
}

}  // namespace orvane::testing
