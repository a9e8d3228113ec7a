// The signal writer against a reference encoder written point by point as the format describes it,
// with the room check before every point and the time gate of the flushes: long random recordings
// of every type, in calls of random sizes (none, a few, past a block, past the cache) with random
// clock steps and forced flushes in between, must leave the same context after every call and the
// same data bytes in the file. The values reach every kind
// of record: runs of small differences broken at random places, differences at and beyond the
// 16-bit limit, wrapping ones, and for doubles no number, infinities, zeros of both signs, values
// that a FLOAT cannot hold and values at the edge of 48 bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>
#include <limits>
#include <random>

#include "raw_file_test.h"
#include "rawdata/file_context.h"

namespace dsuptest {
namespace {

class ReferenceEncoder {
 public:
  ReferenceEncoder(LONG fileType, std::size_t capacity) : type_(fileType), capacity_(capacity) {
    if (fileType == 179) smallest_ = largest_ = std::bit_cast<LONG>(0.0f);
    resetCache();
  }

  // A call at `now` (seconds of the test's clock): the points, then the timed flush.
  void write(const std::vector<double>& values, std::int64_t now) {
    for (const double value : values) {
      if (fill_ > capacity_ - 10) flush(now, 0);
      if (integers())
        encodeInteger(static_cast<LONG>(value));
      else if (type_ == 179)
        encodeDouble(value);
      else
        encodeInteger48(value);
    }
    flush(now, 10);
  }

  void flush(std::int64_t now, std::int64_t maximumAge) {
    if (cachePoints_ == 0 || (now > lastFlush_ && now - lastFlush_ < maximumAge)) return;
    data_.insert(data_.end(), cache_.begin(), cache_.begin() + static_cast<std::ptrdiff_t>(fill_));
    lastFlush_ = now;
    resetCache();
  }

  // The data region of the file as it stands after a last flush.
  Bytes fileData() const { return type_ == 179 ? data_ : data_ + Bytes{0, 0}; }

  void expectSameAs(const RwdFileContext& context) const {
    EXPECT_EQ(context.cacheFill, fill_);
    EXPECT_EQ(context.cachePointCount, cachePoints_);
    EXPECT_EQ(context.pointCount, points_);
    EXPECT_EQ(context.firstValue, first_);
    EXPECT_EQ(context.minValue, smallest_);
    EXPECT_EQ(context.maxValue, largest_);
    if (!integers()) return;
    EXPECT_EQ(context.blockWord, blockWord_);
    EXPECT_EQ(context.blockOffset, blockOffset_);
    EXPECT_EQ(context.previousValue, previous_);
  }

  Bytes cache() const { return Bytes(cache_.begin(), cache_.begin() + static_cast<std::ptrdiff_t>(fill_)); }

 private:
  bool integers() const { return type_ == 108 || type_ == 130; }

  void resetCache() {
    cache_.assign(capacity_, 0);
    cachePoints_ = 0;
    blockOffset_ = 0;
    blockWord_ = 0x1000;
    fill_ = integers() ? 2 : 0;
  }

  void put(std::uint64_t value, int size) {
    for (int i = size - 1; i >= 0; --i) cache_[fill_++] = static_cast<std::uint8_t>(value >> (8 * i));
  }

  void count() {
    ++cachePoints_;
    ++points_;
  }

  void encodeInteger(LONG x) {
    if ((blockWord_ & 0xFFF) == 78) {
      blockOffset_ = static_cast<WORD>(fill_);
      fill_ += 2;
      blockWord_ = 0x1000;
    }
    if (!firstSeen_) first_ = x;
    firstSeen_ = true;
    largest_ = std::max(largest_, x);
    smallest_ = std::min(smallest_, x);
    count();
    ++blockWord_;
    cache_[blockOffset_] = static_cast<std::uint8_t>(blockWord_ >> 8);
    cache_[blockOffset_ + 1u] = static_cast<std::uint8_t>(blockWord_);
    const std::int64_t difference = std::int64_t{x} - previous_;
    if (difference >= -32767 && difference <= 32767) {
      put(static_cast<std::uint16_t>(difference), 2);
    } else if (difference > 32767 && difference - 4294967296 >= -32767) {
      put(static_cast<std::uint16_t>(difference - 4294967296), 2);  // wraps in 32 bits
    } else if (difference < -32767 && difference + 4294967296 <= 32767) {
      put(static_cast<std::uint16_t>(difference + 4294967296), 2);
    } else {
      put(0x8000, 2);
      put(static_cast<std::uint32_t>(x), 4);
    }
    previous_ = x;
  }

  void encodeDouble(double v) {
    const auto f = static_cast<float>(v);
    if (!firstSeen_) first_ = std::bit_cast<LONG>(f);
    firstSeen_ = true;
    if (f > std::bit_cast<float>(largest_)) largest_ = std::bit_cast<LONG>(f);
    if (f < std::bit_cast<float>(smallest_)) smallest_ = std::bit_cast<LONG>(f);
    count();
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i) cache_[fill_++] = static_cast<std::uint8_t>(bits >> (8 * i));
  }

  void encodeInteger48(double v) {
    count();
    const double floor = std::isnan(v) ? 0.0 : std::clamp(std::floor(v), -140737488355328.0, 140737488355327.0);
    put(0x7FFF, 2);
    put(static_cast<std::uint64_t>(static_cast<std::int64_t>(floor)), 6);
  }

  LONG type_;
  std::size_t capacity_;
  std::int64_t lastFlush_ = 0;  // created at 0
  Bytes cache_, data_;
  std::size_t fill_ = 0;
  WORD cachePoints_ = 0, blockOffset_ = 0, blockWord_ = 0x1000;
  DWORD points_ = 0;
  LONG previous_ = 0, first_ = 0, smallest_ = 2147483647, largest_ = -2147483647;
  bool firstSeen_ = false;
};

// Values that reach every record of the integer types: a level that drifts by small steps for runs
// of random length, then jumps by a difference at or beyond the limit, or to a 32-bit extreme.
class IntegerValues {
 public:
  explicit IntegerValues(std::mt19937& random) : random_(random) {}
  double next() {
    if (run_ == 0) {
      run_ = random_() % 40;
      static constexpr std::int64_t jumps[] = {32767, -32767, 32768, -32768, 32769, -32769, 1, 0, 1000000, -1000000};
      const unsigned choice = random_() % 14;
      if (choice < 10)
        level_ += jumps[choice];
      else if (choice < 12)
        level_ = choice == 10 ? 2147483647 : -2147483648;
      else
        level_ = std::int64_t{static_cast<std::int32_t>(random_())};
    } else {
      --run_;
      level_ += static_cast<int>(random_() % 201) - 100;
    }
    level_ = std::clamp<std::int64_t>(level_, -2147483648, 2147483647);
    return static_cast<double>(level_);
  }

 private:
  std::mt19937& random_;
  std::int64_t level_ = 0;
  unsigned run_ = 0;
};

double nextDouble(std::mt19937& random) {
  static const double specials[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(), 0.0, -0.0, 1e-310, -1e-310, 3.5e38,
                                    -3.5e38, 1e300, 140737488355327.5, 140737488355328.0, -140737488355328.0,
                                    -140737488355328.5, -4294967296.0, -0.5, 16777217.0};
  const unsigned choice = random() % 40;
  if (choice < std::size(specials)) return specials[choice];
  const double magnitude = std::ldexp(1.0, static_cast<int>(random() % 60) - 10);
  return std::uniform_real_distribution<double>(-magnitude, magnitude)(random);
}

// Calls of every size: none, a few, about a block, past the smallest cache at 8 bytes a point.
std::size_t callSize(std::mt19937& random) {
  const unsigned choice = random() % 10;
  return choice == 0 ? 0 : choice < 5 ? random() % 10 : choice < 9 ? random() % 200 : random() % 1600;
}

using EncodingEquivalence = RawFileTest;

TEST_F(EncodingEquivalence, EveryCallLeavesTheReferenceEncodersContextCacheAndFile) {
  for (const LONG type : {108, 130, 179, 181}) {
    for (unsigned seed : {1u, 2u, 3u}) {
      SCOPED_TRACE(std::to_string(type) + " seed " + std::to_string(seed));
      std::mt19937 random(seed);
      IntegerValues integers(random);
      clockAt(0);
      HGLOBAL handle = create(type);
      ReferenceEncoder reference(type, context(handle).cacheCapacity);
      release(handle);
      std::int64_t now = 0;
      for (int call = 0; call < 400; ++call) {
        clockAt(now += random() % 3);
        std::vector<double> values(callSize(random));
        for (double& value : values) value = type == 108 || type == 130 ? integers.next() : nextDouble(random);
        ASSERT_EQ(write(handle, type, values), 0);
        reference.write(values, now);
        if (random() % 8 == 0) {
          ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
          reference.flush(now, 0);
        }
        const RwdFileContext& written = context(handle);
        reference.expectSameAs(written);
        // An empty cache's reserved block header word holds nothing yet.
        const BYTE* cache = reinterpret_cast<const BYTE*>(&written) + dsup::contextFixedSize;
        if (written.cachePointCount) {
          EXPECT_EQ(Bytes(cache, cache + written.cacheFill), reference.cache());
        }
        release(handle);
        if (HasFailure()) {
          DSupRwdCloseRawdataFile(&handle);
          FAIL() << "call " << call;
        }
      }
      ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
      reference.flush(now, 0);
      const Bytes file = fileBytes();
      EXPECT_EQ(Bytes(file.begin() + 6144, file.end()), reference.fileData());
      closeAndVerify(handle);
    }
  }
}

}  // namespace
}  // namespace dsuptest
