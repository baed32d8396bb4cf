#pragma once

#include <clocale>
#include <cstring>
#include <string>

namespace quorvel::testing {

// The locale the tests take as one whose decimal separator is a comma; scripts/setup.sh
// generates it.
inline constexpr const char* comma_locale_name = "de_DE.UTF-8";

// Switches the whole process to the comma locale for its lifetime, as QApplication does
// when the environment names one, and restores the previous locale afterwards. A test
// asserts active(): a machine without the locale fails the test rather than passing it
// in the C locale.
class CommaLocale {
  public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, comma_locale_name) != nullptr &&
                  std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return active_; }

  private:
    std::string previous_;
    bool active_ = false;
};

}  // namespace quorvel::testing
