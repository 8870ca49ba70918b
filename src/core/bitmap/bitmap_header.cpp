#include "bitmap/bitmap_header.h"

#include <algorithm>
#include <array>
#include <limits>

namespace orvane {

namespace {

constexpr std::size_t infoHeaderSizeOffset = 14;
constexpr std::size_t pixelOffsetOffset = 10;
constexpr std::size_t widthOffset = 18;
constexpr std::size_t heightOffset = 22;
constexpr std::size_t bitsPerPixelOffset = 28;
constexpr std::size_t compressionOffset = 30;
constexpr std::uint32_t smallestInfoHeader = 40;
// The OS/2 core header: 16-bit width and height, no compression and no image size field.
constexpr std::uint32_t coreInfoHeader = 12;
constexpr std::size_t coreWidthOffset = 18;
constexpr std::size_t coreHeightOffset = 20;
constexpr std::size_t coreBitsPerPixelOffset = 24;
constexpr std::uint32_t largestInfoHeader = bitmapHeadersReadSize - 14;
// Beyond this a picture is no pattern or icon anyone draws, and most readers refuse it.
constexpr std::int64_t largestDimension = 32768;
constexpr std::array<std::int64_t, 6> bitDepths{1, 4, 8, 16, 24, 32};
constexpr std::uint32_t uncompressed = 0;
// Uncompressed rows whose colours are read through masks: their sizes follow the same rule.
constexpr std::uint32_t bitFields = 3;
constexpr std::array<std::int64_t, 2> bitFieldDepths{16, 32};

std::uint32_t readUint32(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::int32_t readInt32(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::int32_t>(readUint32(bytes, at));
}

std::uint16_t readUint16(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

BitmapAssessment judged(BitmapAssessment assessment, BitmapVerdict verdict, std::string_view reason) {
  assessment.verdict = verdict;
  assessment.reason = reason;
  return assessment;
}

// A core header has a file size field only: that one is checked, and as a repair would write the image
// size field it lacks, a file that disagrees is left as it is.
BitmapAssessment assessCoreHeader(BitmapAssessment assessment, std::span<const unsigned char> start) {
  assessment.imageSizeField.reset();
  const std::int64_t width = readUint16(start, coreWidthOffset);
  const std::int64_t height = readUint16(start, coreHeightOffset);
  const std::int64_t bitsPerPixel = readUint16(start, coreBitsPerPixelOffset);
  if (width == 0 || width > largestDimension)
    return judged(assessment, BitmapVerdict::Corrupt, "width out of range");
  if (height == 0 || height > largestDimension)
    return judged(assessment, BitmapVerdict::Corrupt, "height out of range");
  if (std::ranges::find(bitDepths, bitsPerPixel) == bitDepths.end())
    return judged(assessment, BitmapVerdict::Corrupt, "unsupported bit depth");
  assessment.expectedFileSize =
      readUint32(start, pixelOffsetOffset) + expectedBitmapImageSize(width, height, bitsPerPixel);
  if (*assessment.fileSizeField == *assessment.expectedFileSize)
    return judged(assessment, BitmapVerdict::Valid, {});
  return judged(assessment, BitmapVerdict::NotRepairable, "file size field disagrees, no image size field");
}

}  // namespace

std::uint64_t expectedBitmapImageSize(std::int64_t width, std::int64_t height, std::int64_t bitsPerPixel) {
  const auto bits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel);
  const std::uint64_t rowSize = 4 * ((bits + 31) / 32);
  return rowSize * static_cast<std::uint64_t>(height);
}

std::size_t bitmapHeadersLength(std::span<const unsigned char> start) {
  if (start.size() < infoHeaderSizeOffset + 4) return bitmapFirstReadSize;
  const std::uint64_t headers = infoHeaderSizeOffset + std::uint64_t{readUint32(start, infoHeaderSizeOffset)};
  return static_cast<std::size_t>(
      std::clamp<std::uint64_t>(headers, bitmapFirstReadSize, bitmapHeadersReadSize));
}

BitmapAssessment assessBitmapHeaders(std::span<const unsigned char> start) {
  BitmapAssessment assessment;
  if (start.size() < 2 || start[0] != 'B' || start[1] != 'M')
    return judged(assessment, BitmapVerdict::NotBitmap, "not a bitmap");
  if (start.size() >= bitmapFileSizeOffset + 4)
    assessment.fileSizeField = readUint32(start, bitmapFileSizeOffset);
  if (start.size() >= bitmapImageSizeOffset + 4)
    assessment.imageSizeField = readUint32(start, bitmapImageSizeOffset);
  if (start.size() < infoHeaderSizeOffset + 4)
    return judged(assessment, BitmapVerdict::Corrupt, "truncated headers");

  const std::uint32_t infoHeaderSize = readUint32(start, infoHeaderSizeOffset);
  if (infoHeaderSize == coreInfoHeader) {
    if (start.size() < infoHeaderSizeOffset + coreInfoHeader)
      return judged(assessment, BitmapVerdict::Corrupt, "truncated headers");
    return assessCoreHeader(assessment, start);
  }
  // Older, smaller info headers put other fields where the width and height are read.
  if (infoHeaderSize < smallestInfoHeader)
    return judged(assessment, BitmapVerdict::Corrupt, "info header below 40 bytes");
  if (infoHeaderSize > largestInfoHeader)
    return judged(assessment, BitmapVerdict::Corrupt, "unknown info header size");
  if (start.size() < infoHeaderSizeOffset + infoHeaderSize)
    return judged(assessment, BitmapVerdict::Corrupt, "truncated headers");

  const std::int64_t width = readInt32(start, widthOffset);
  const std::int64_t height = readInt32(start, heightOffset);
  const std::int64_t bitsPerPixel = readUint16(start, bitsPerPixelOffset);
  if (width <= 0 || width > largestDimension)
    return judged(assessment, BitmapVerdict::Corrupt, "width out of range");
  if (height == 0 || height > largestDimension || height < -largestDimension)
    return judged(assessment, BitmapVerdict::Corrupt, "height out of range");
  // Compressed pixel data has no size the dimensions imply: its image size is what the encoder made.
  // Checked before the depth, which embedded JPEG and PNG pictures leave at 0.
  const std::uint32_t compression = readUint32(start, compressionOffset);
  const bool maskedRows =
      compression == bitFields && std::ranges::find(bitFieldDepths, bitsPerPixel) != bitFieldDepths.end();
  if (compression != uncompressed && !maskedRows)
    return judged(assessment, BitmapVerdict::NotRepairable, "compressed pixel data");
  if (std::ranges::find(bitDepths, bitsPerPixel) == bitDepths.end())
    return judged(assessment, BitmapVerdict::Corrupt, "unsupported bit depth");

  const std::uint64_t imageSize = expectedBitmapImageSize(width, height < 0 ? -height : height, bitsPerPixel);
  const std::uint64_t fileSize = readUint32(start, pixelOffsetOffset) + imageSize;
  assessment.expectedImageSize = imageSize;
  assessment.expectedFileSize = fileSize;
  if (*assessment.imageSizeField == imageSize && *assessment.fileSizeField == fileSize)
    return judged(assessment, BitmapVerdict::Valid, {});
  if (fileSize > std::numeric_limits<std::uint32_t>::max())
    return judged(assessment, BitmapVerdict::NotRepairable, "sizes beyond 4 GiB");
  // The rule was made for rows stored bottom-up; a top-down file that disagrees with it may follow
  // sizes of its own, so it is left as it is.
  if (height < 0) return judged(assessment, BitmapVerdict::NotRepairable, "top-down rows");
  return judged(assessment, BitmapVerdict::Repairable, "size fields disagree");
}

}  // namespace orvane
