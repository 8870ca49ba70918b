#include "bitmap/bitmap_header.h"

#include <gtest/gtest.h>

#include <string>

#include "support/bitmap_maker.h"

namespace orvane {

using testing::BitmapShape;
using testing::makeBitmap;
using testing::setField16;
using testing::setField32;

namespace {

BitmapAssessment assess(const std::string& bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  return assessBitmapHeaders(std::span(data, std::min(bytes.size(), bitmapHeadersReadSize)));
}

}  // namespace

TEST(BitmapHeader, SizesFollowPaddedRowsTimesHeight) {
  // 3 pixels of 24 bits are 9 bytes, padded to rows of 12.
  std::string bytes = makeBitmap({});
  BitmapAssessment assessment = assess(bytes);
  EXPECT_EQ(assessment.verdict, BitmapVerdict::Valid);
  EXPECT_EQ(assessment.expectedImageSize, 24u);
  EXPECT_EQ(assessment.expectedFileSize, 78u);
  EXPECT_EQ(assessment.fileSizeField, 78u);
  EXPECT_TRUE(assessment.reason.empty());

  setField32(bytes, bitmapImageSizeOffset, 0);
  assessment = assess(bytes);
  EXPECT_EQ(assessment.verdict, BitmapVerdict::Repairable);
  EXPECT_EQ(assessment.imageSizeField, 0u);
  EXPECT_EQ(assessment.expectedImageSize, 24u);

  EXPECT_EQ(expectedBitmapImageSize(33, 2, 1), 16u);
  EXPECT_EQ(expectedBitmapImageSize(5, 3, 4), 12u);
  // 32768 x 32768 at 32 bits is 4 GiB: one more than a 32-bit field holds, and no wrap to 0.
  EXPECT_EQ(expectedBitmapImageSize(32768, 32768, 32), 4294967296u);
}

TEST(BitmapHeader, FilesTheRuleDoesNotDescribeAreNeverRepairable) {
  for (const std::uint32_t compression :
       {testing::bitmapRle8, testing::bitmapRle4, testing::bitmapJpeg, testing::bitmapPng}) {
    const std::uint16_t depth = compression == testing::bitmapRle4   ? 4
                                : compression == testing::bitmapRle8 ? 8
                                                                     : 16;
    const BitmapAssessment assessment = assess(makeBitmap({4, 4, depth, compression}));
    EXPECT_EQ(assessment.verdict, BitmapVerdict::NotRepairable) << compression;
    EXPECT_EQ(assessment.reason, "compressed pixel data");
    EXPECT_FALSE(assessment.expectedImageSize);
  }

  std::string topDown = makeBitmap({3, -2});
  setField32(topDown, bitmapImageSizeOffset, 0);
  EXPECT_EQ(assess(topDown).verdict, BitmapVerdict::NotRepairable);
  EXPECT_EQ(assess(topDown).reason, "top-down rows");

  // Sizes that no 32-bit field can hold are not written, though each dimension is in range.
  std::string huge = makeBitmap({1, 1, 32});
  setField32(huge, 18, 32768);
  setField32(huge, 22, 32768);
  EXPECT_EQ(assess(huge).verdict, BitmapVerdict::NotRepairable);
  EXPECT_EQ(assess(huge).expectedImageSize, 4294967296u);
  setField32(huge, 10, 0xFFFFFFFEu);
  setField32(huge, 18, 1);
  setField32(huge, 22, 1);
  EXPECT_EQ(assess(huge).reason, "sizes beyond 4 GiB");
}

TEST(BitmapHeader, DamagedAndForeignHeadersAreToldApart) {
  EXPECT_EQ(assess("").verdict, BitmapVerdict::NotBitmap);
  EXPECT_EQ(assess("B").verdict, BitmapVerdict::NotBitmap);
  EXPECT_EQ(assess("GIF89a").verdict, BitmapVerdict::NotBitmap);
  EXPECT_EQ(assess("bm" + makeBitmap({}).substr(2)).verdict, BitmapVerdict::NotBitmap);

  // Every cut inside the headers, of the smallest and the largest version, is truncated.
  for (const std::uint32_t header : {40u, 124u}) {
    const std::string whole = makeBitmap({3, 2, 24, testing::bitmapRgb, header});
    for (std::size_t size = 2; size < 14 + header; ++size) {
      const BitmapAssessment assessment = assess(whole.substr(0, size));
      EXPECT_EQ(assessment.verdict, BitmapVerdict::Corrupt) << size;
      EXPECT_EQ(assessment.reason, "truncated headers") << size;
      EXPECT_EQ(assessment.fileSizeField.has_value(), size >= 6) << size;
    }
  }

  std::string core = makeBitmap({3, 2, 24, testing::bitmapRgb, 12});
  setField16(core, 18, 0);
  EXPECT_EQ(assess(core).reason, "width out of range");
  struct Broken {
    std::size_t offset;
    std::uint32_t value;
    std::string_view reason;
  };
  for (const Broken& broken :
       {Broken{14, 0, "info header below 40 bytes"}, Broken{14, 39, "info header below 40 bytes"},
        Broken{14, 0xFFFFFFFF, "unknown info header size"}, Broken{18, 0, "width out of range"},
        Broken{18, 32769, "width out of range"}, Broken{18, 0x80000000, "width out of range"},
        Broken{22, 0, "height out of range"}, Broken{22, 32769, "height out of range"},
        Broken{22, static_cast<std::uint32_t>(-32769), "height out of range"},
        Broken{22, 0x80000000, "height out of range"}}) {
    std::string bytes = makeBitmap({});
    setField32(bytes, broken.offset, broken.value);
    EXPECT_EQ(assess(bytes).verdict, BitmapVerdict::Corrupt) << broken.offset << " " << broken.value;
    EXPECT_EQ(assess(bytes).reason, broken.reason) << broken.offset << " " << broken.value;
  }
  for (const std::uint16_t depth : std::initializer_list<std::uint16_t>{0, 2, 15, 48, 0xFFFF}) {
    std::string bytes = makeBitmap({});
    setField16(bytes, 28, depth);
    EXPECT_EQ(assess(bytes).reason, "unsupported bit depth") << depth;
  }
}

// Bit-field rows are uncompressed: their sizes are checked, and repaired, as any others.
TEST(BitmapHeader, BitFieldBitmapsFollowTheSizeRule) {
  for (const std::uint32_t header : {40u, 108u, 124u}) {
    for (const std::uint16_t depth : std::initializer_list<std::uint16_t>{16, 32}) {
      std::string bytes = makeBitmap({3, 2, depth, testing::bitmapBitFields, header});
      EXPECT_EQ(assess(bytes).verdict, BitmapVerdict::Valid) << header << " " << depth;
      setField32(bytes, bitmapImageSizeOffset, 0);
      EXPECT_EQ(assess(bytes).verdict, BitmapVerdict::Repairable) << header << " " << depth;
      EXPECT_EQ(assess(bytes).expectedImageSize, depth == 16 ? 16u : 24u);
    }
  }
  // Masks at a depth they cannot describe are no rule's.
  EXPECT_EQ(assess(makeBitmap({3, 2, 24, testing::bitmapBitFields})).verdict, BitmapVerdict::NotRepairable);
}

// The OS/2 core header has no image size field: its file size is checked, nothing read in its place.
TEST(BitmapHeader, ACoreHeaderHasItsFileSizeChecked) {
  std::string bytes = makeBitmap({3, 2, 8, testing::bitmapRgb, 12});
  BitmapAssessment assessment = assess(bytes);
  EXPECT_EQ(assessment.verdict, BitmapVerdict::Valid);
  EXPECT_EQ(assessment.fileSizeField, 14u + 12u + 3u * 256u + 8u);
  EXPECT_EQ(assessment.expectedFileSize, assessment.fileSizeField);
  EXPECT_FALSE(assessment.imageSizeField);
  EXPECT_FALSE(assessment.expectedImageSize);

  setField32(bytes, bitmapFileSizeOffset, 12);
  assessment = assess(bytes);
  EXPECT_EQ(assessment.verdict, BitmapVerdict::NotRepairable);
  EXPECT_EQ(assessment.expectedFileSize, 14u + 12u + 3u * 256u + 8u);
  EXPECT_EQ(assess(bytes.substr(0, 25)).reason, "truncated headers");
}

}  // namespace orvane
