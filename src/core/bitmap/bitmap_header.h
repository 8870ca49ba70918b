#pragma once
// The two size fields of a BMP header and the sizes the image's dimensions imply. Only headers whose
// rows are stored bottom-up or top-down without compression (or as bit fields), in a 40-byte or larger
// info header, are described by that rule and repaired; the OS/2 core header, which has no image size
// field, has its file size checked; any other file is reported and never written.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvane {

/// The file header (14 bytes) and the largest info header of the known versions (124 bytes): enough
/// bytes to tell a file shorter than its own headers.
inline constexpr std::size_t bitmapHeadersReadSize = 14 + 124;
/// Where the two size fields lie; a repair changes no other byte.
inline constexpr std::size_t bitmapFileSizeOffset = 2;
inline constexpr std::size_t bitmapImageSizeOffset = 34;

enum class BitmapVerdict {
  NotBitmap,     // no "BM" signature
  Corrupt,       // shorter than its headers, or dimensions, depth or header size out of reason
  Valid,         // both size fields agree with the dimensions
  Repairable,    // a size field disagrees and both can be set from the dimensions
  NotRepairable  // the size rule does not describe the file (compressed, or top-down and disagreeing)
};

/// What the first bytes of a file say about its two size fields.
struct BitmapAssessment {
  BitmapVerdict verdict = BitmapVerdict::NotBitmap;
  std::string_view reason;  // short English words; empty for a valid file
  std::optional<std::uint32_t> fileSizeField;
  std::optional<std::uint32_t> imageSizeField;  // none in an OS/2 core header
  std::optional<std::uint64_t> expectedFileSize;
  std::optional<std::uint64_t> expectedImageSize;  // none where there is no field to hold it
};

/// The first read of a file: its file header and the smallest info header.
inline constexpr std::size_t bitmapFirstReadSize = 14 + 40;
/// The bytes assessBitmapHeaders needs of a file whose first bitmapFirstReadSize bytes are `start`:
/// its two headers, up to bitmapHeadersReadSize.
std::size_t bitmapHeadersLength(std::span<const unsigned char> start);

/// Assesses the headers from `start`, the first bytes of the file (all of it when the file is shorter
/// than bitmapHeadersReadSize).
BitmapAssessment assessBitmapHeaders(std::span<const unsigned char> start);

/// Rows padded to 4 bytes times the rows: computed in 64 bits, so that no width, depth or height of a
/// 32-bit header can wrap it round to a small, plausible size.
std::uint64_t expectedBitmapImageSize(std::int64_t width, std::int64_t height, std::int64_t bitsPerPixel);

}  // namespace orvane
