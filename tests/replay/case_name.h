#pragma once
// Test case names made from what a case already says of itself, so that ctest -R can pick a case
// by what it is: letters and digits kept, a minus sign as "m", any other run of characters (an
// escape such as \n included) as one "_", at most 40 characters; the case's number goes in front,
// since cut texts may agree: "C3_click_297_m247".

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace replay_test {

inline std::string CaseName(std::size_t index, std::string_view text) {
  std::string name(1, 'C');  // not "C" + ...: GCC 12 warns there (-Wrestrict) for no reason
  name += std::to_string(index) + "_";
  text = text.substr(0, 40);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool alphanumeric =
        (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (c == '\\') ++i;  // an escape such as \n, as printed, is a separator
    if (alphanumeric) {
      name += c;
    } else if (c == '-') {
      name += 'm';
    } else if (name.back() != '_') {
      name += '_';
    }
  }
  if (name.back() == '_') name.pop_back();
  return name;
}

// For INSTANTIATE_TEST_SUITE_P: the name of what PrintTo prints for the case.
struct PrintedName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return CaseName(info.index, testing::PrintToString(info.param));
  }
};

}  // namespace replay_test
