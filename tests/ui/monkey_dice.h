#pragma once

#include <QString>
#include <cstdint>
#include <random>

// The monkey test's source of chance: a seeded std::mt19937, whose sequence
// of numbers the C++ standard fixes, mapped to choices by plain arithmetic
// of our own (the standard library's distributions may differ between
// implementations), so that one seed replays the same run everywhere.
class MonkeyDice {
 public:
  explicit MonkeyDice(std::uint32_t seed) : engine_(seed) {}

  // A number in [0, n); n must be at least 1. The small bias of the modulo
  // does not matter here.
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(engine_() % n); }
  bool OneIn(std::uint32_t n) { return Below(n) == 0; }
  template <class Container>
  const auto& Pick(const Container& items) {
    return items[Below(static_cast<std::uint32_t>(std::size(items)))];
  }

  // A text such as a user may type into a number field: numbers with signs,
  // blanks, points and exponents, overflowing and underflowing ones, "inf"
  // and "nan" in their spellings, hex forms, letters, punctuation, text
  // beyond ASCII (accents, other digits, emoji), empty text and, now and
  // then, a very long run of digits.
  QString TypedText();
  // A plain positive number such as "35" or "124.9": what a user types to
  // put a refused input right.
  QString Number();

 private:
  QString Digits(int count);

  std::mt19937 engine_;
};
