#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

// Reports a broken property of a fuzz target with the text it broke on, escaped,
// and aborts: libFuzzer then saves the input as a crash file, and the standalone
// runner stops with the input's number.
[[noreturn]] inline void Fail(const char* property, std::string_view text) {
  std::fprintf(stderr, "fuzz: %s\n  text (%zu bytes): \"", property, text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\') {
      std::fputc(byte, stderr);
    } else {
      std::fprintf(stderr, "\\x%02x", byte);
    }
  }
  std::fprintf(stderr, "\"\n");
  std::abort();
}

}  // namespace fuzz
