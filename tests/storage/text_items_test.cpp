#include "storage/text_items.h"
#include "storage/sjis.h"

#include <gtest/gtest.h>

namespace tavelo::storage {
namespace {

QStringList readAll(const QString& text) {
  TextItemReader reader(text);
  QStringList items;
  while (!reader.atEnd()) {
    items.append(reader.next().value());
  }
  return items;
}

TEST(TextItems, ReaderCases) {
  struct Case {
    const char* name;
    const char* text;
    QStringList items;
  };
  const Case cases[] = {
      {"commas and CRLF", "a,b\r\nc,d\r\n", {"a", "b", "c", "d"}},
      {"lone LF and CR", "a\nb\rc", {"a", "b", "c"}},
      {"leading and trailing blanks", "  a  ,\tb \r\n", {"a", "b"}},
      {"empty items", "a,,b,\r\n", {"a", "", "b", ""}},
      {"quoted comma and line end", "\"x,y\r\nz\",w\r\n", {"x,y\r\nz", "w"}},
      {"text after closing quote dropped", "\"q\" junk,r", {"q", "r"}},
      {"quoted blanks kept", "\" a \",b", {" a ", "b"}},
      {"header line ending in commas", "目標Time,,,\r\n1", {"目標Time", "", "", "", "1"}},
      {"half-width katakana and symbols", "ﾚﾍﾞﾙ1,①,～,★,練\r\n", {"ﾚﾍﾞﾙ1", "①", "～", "★", "練"}},
      {"unterminated quote runs to the end", "\"abc", {"abc"}},
      {"blank lines at the end are not items", "a\r\n\r\n  \r\n", {"a"}},
      {"comma at the very end", "a,", {"a", ""}},
      {"blank line inside", "a\r\n\r\nb", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readAll(QString::fromUtf8(c.text)), c.items) << c.name;
  }
}

TEST(TextItems, ReaderReportsLines) {
  TextItemReader reader(QStringLiteral("a,b\r\n\"c\r\nd\"\r\ne"));
  reader.next();
  reader.next();
  EXPECT_EQ(reader.line(), 1);
  reader.next();
  EXPECT_EQ(reader.line(), 2);
  reader.next();
  EXPECT_EQ(reader.line(), 4);
  EXPECT_FALSE(reader.next().has_value());
}

TEST(TextItems, FixedCountReadsTakeEmptyLinesAsItems) {
  TextItemReader reader(QStringLiteral("/data/\r\n\r\n\r\n"));
  EXPECT_EQ(reader.next(), QStringLiteral("/data/"));
  EXPECT_EQ(reader.next(), QString());
  EXPECT_EQ(reader.next(), QString());
  EXPECT_FALSE(reader.next().has_value());
}

TEST(TextItems, WriterRoundTrip) {
  const QStringList items{"plain", "with,comma", "line\r\nbreak", " padded ", "", "ﾃｽﾄ", "①～★練"};
  EXPECT_EQ(readAll(formatLine(items)), items);
  EXPECT_EQ(formatLine({"a", "b", ""}), QStringLiteral("a,b,\r\n"));
}

TEST(TextItems, CodePage932BytesRoundTrip) {
  // 練 ★ ① ～ ｱ (half-width) and the backslash trail byte of ソ.
  const char raw[] = "\x97\xfb\x81\x9a\x87\x40\x81\x60\xb1\x83\x5c,abc\r\n";
  const QByteArray bytes(raw, sizeof raw - 1);
  const QString text = decodeSjis(bytes);
  EXPECT_EQ(text, QStringLiteral("練★①～ｱソ,abc\r\n"));
  EXPECT_EQ(encodeSjis(text), bytes);
}

TEST(TextItems, LeadingNumberRule) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {{"12345ABC", 12345}, {"00000ABC", 0}, {"  -3.5x", -3.5}, {"+7", 7},
                        {"abc", 0},          {"", 0},         {".5", 0.5},       {"1.", 1}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
  }
  EXPECT_EQ(itemToInt(QStringLiteral("99999999999")), 2147483647);
  EXPECT_EQ(itemToInt(QStringLiteral("2.5")), 2);
}

}  // namespace
}  // namespace tavelo::storage
