// The baseline for the start-up of tubrix-calc: a minimal C++ program that
// prints 26 formatted lines.

#include <cstdio>

int main() {
  const double value = 124.9;
  for (int line = 0; line < 26; ++line) std::printf("Line %d : %6.2lf mm\n", line, value * line);
  return 0;
}
