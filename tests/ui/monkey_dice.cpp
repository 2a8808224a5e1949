#include "tests/ui/monkey_dice.h"

#include <array>

QString MonkeyDice::Digits(int count) {
  QString digits;
  for (int i = 0; i < count; ++i) digits += QChar(u'0' + Below(10));
  return digits;
}

QString MonkeyDice::Number() {
  QString number = Digits(1 + static_cast<int>(Below(5)));
  if (!OneIn(3)) number += u'.' + Digits(static_cast<int>(Below(4)));
  return number;
}

QString MonkeyDice::TypedText() {
  static const std::array<const char16_t*, 14> kWords = {
      u"inf",  u"-inf", u"INF",   u"Infinity", u"nan", u"-nan", u"NaN(123)",
      u"nan(", u"infx", u"0x1p3", u"0X1.8p-2", u"0xg", u"e5",   u".e1"};
  static const std::array<const char16_t*, 14> kBeyondAscii = {
      u"\uFF13",       u"\u00E9",      u"\u0663\u066B\u0665",
      u"\uFF11\uFF12", u"\u00BD",      u"\U0001F600",
      u"\u221E",       u"\u22125",     u"12\u00A0",
      u"\u0661\u0662", u"\u00B9",      u"\u2009",
      u"\u00E8\u00E9", u"\u6392\u6c17"};
  switch (Below(12)) {
    case 0:
      return {};
    case 1:
    case 2:
      return Number();
    case 3:
      return QString(OneIn(2) ? u'-' : u'+') + Number();
    case 4:  // an exponent, up to overflow (1e999) and underflow (1e-400)
      return Number() + (OneIn(2) ? u'e' : u'E') + (OneIn(2) ? QString(u'-') : QString()) +
             QString::number(Below(500));
    case 5:
      return QString(static_cast<qsizetype>(Below(4)), u' ') + Number() +
             QString(static_cast<qsizetype>(Below(3)), u' ');
    case 6:
      return QString::fromUtf16(Pick(kWords));
    case 7: {  // letters and punctuation from the whole printable ASCII range
      QString soup;
      for (std::uint32_t i = 0, n = 1 + Below(12); i < n; ++i) soup += QChar(0x20 + Below(95));
      return soup;
    }
    case 8:
      return (OneIn(2) ? Number() : QString()) + QString::fromUtf16(Pick(kBeyondAscii)) +
             (OneIn(2) ? Number() : QString());
    case 9:
      return OneIn(8) ? Digits(200 + static_cast<int>(Below(3000)))
                      : Number() + QStringLiteral("abc");
    case 10:
      return QString(Pick(std::array<QChar, 4>{u'.', u'-', u'+', u' '}));
    default:
      return Number() + u',' + Digits(2);  // a comma-decimal habit
  }
}
