#pragma once
// A legacy text decoder that remembers what it was asked to read and answers
// with a text of the test's choosing.

#include <string>
#include <string_view>
#include <vector>

#include "lyrics/legacy_text_decoder.h"

namespace solvane::testing {

class FakeLegacyDecoder : public LegacyTextDecoder {
 public:
  explicit FakeLegacyDecoder(std::string answer) : answer_(std::move(answer)) {}

  std::string ToUtf8(std::string_view bytes) const override {
    asked.emplace_back(bytes);
    return answer_;
  }

  mutable std::vector<std::string> asked;

 private:
  std::string answer_;
};

}  // namespace solvane::testing
