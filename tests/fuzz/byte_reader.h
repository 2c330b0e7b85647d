#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace fuzz {

// Takes a fuzz input apart: fixed-size values from the front, zeros once it runs
// out, so that every input decodes to something.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return size_ == 0; }
  std::size_t Left() const { return size_; }

  std::uint8_t Byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }

  std::uint16_t Word() {
    const std::uint16_t high = Byte();
    return static_cast<std::uint16_t>(high << 8 | Byte());
  }

  // A number in [0, count), count > 0.
  int Below(int count) { return static_cast<int>(Word() % static_cast<unsigned>(count)); }

  // The next 8 bytes as the bits of a double, any of them: infinities and NaNs too.
  double Double() {
    unsigned char bytes[sizeof(double)] = {};
    for (unsigned char& byte : bytes) byte = Byte();
    double value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

  std::string_view Rest() {
    const std::string_view rest(reinterpret_cast<const char*>(data_), size_);
    data_ += size_;
    size_ = 0;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace fuzz
