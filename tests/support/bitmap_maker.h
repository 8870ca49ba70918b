#pragma once
// BMP files made by the tests themselves, of any depth, compression, header version and row order,
// with their size fields right; a test breaks them where it wants.

#include <cstdint>
#include <string>

namespace orvane::testing {

inline constexpr std::uint32_t bitmapRgb = 0;
inline constexpr std::uint32_t bitmapRle8 = 1;
inline constexpr std::uint32_t bitmapRle4 = 2;
inline constexpr std::uint32_t bitmapBitFields = 3;
inline constexpr std::uint32_t bitmapJpeg = 4;
inline constexpr std::uint32_t bitmapPng = 5;

struct BitmapShape {
  std::int32_t width = 3;
  std::int32_t height = 2;  // negative: rows stored top-down
  std::uint16_t bitsPerPixel = 24;
  std::uint32_t compression = bitmapRgb;
  std::uint32_t infoHeaderSize = 40;  // 12 for the OS/2 core header, 40, 108 or 124
};

/// The bytes of a bitmap of `shape`: headers, colour table for 8 bits or fewer, colour masks for bit
/// fields in a 40-byte header, then the pixel data (a few made-up bytes when compressed).
std::string makeBitmap(const BitmapShape& shape);

/// Overwrites the little-endian 32-bit field at `offset`.
void setField32(std::string& bytes, std::size_t offset, std::uint32_t value);
/// Overwrites the little-endian 16-bit field at `offset`.
void setField16(std::string& bytes, std::size_t offset, std::uint16_t value);

}  // namespace orvane::testing
