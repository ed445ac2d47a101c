#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tavelo::storage {

// Reads the comma-and-line separated item format of the installation's text files.
// Items are separated by commas or line ends (CRLF, CR or LF); blanks and tabs before an
// item are skipped; a quoted item keeps its commas and line ends and anything after the
// closing quote up to the next separator is dropped; an unquoted item loses trailing blanks.
class TextItemReader {
 public:
  explicit TextItemReader(QString text);

  // True when nothing but blanks and line ends remains: readers that loop to the end of a
  // file stop here, so stray blank lines at its end are not taken for items.
  [[nodiscard]] bool atEnd() const;
  // The next item, or nothing at the physical end of the text. An empty line is an empty
  // item, so fixed-count readers can take items that are left empty one per line.
  std::optional<QString> next();
  // 1-based line on which the last item returned began.
  [[nodiscard]] int line() const { return itemLine_; }

 private:
  void skipBlanks();
  void consumeSeparator();
  QString text_;
  qsizetype pos_ = 0;
  int currentLine_ = 1;
  int itemLine_ = 0;
  bool lastWasComma_ = false;
};

// One item as the writer puts it: quoted when it would otherwise not read back the same.
[[nodiscard]] QString formatItem(const QString& item);
// A line of items joined by commas and ended with CR LF.
[[nodiscard]] QString formatLine(const QStringList& items);

// Half-width blanks removed from both ends (roster names are blank-padded fields; full-width
// blanks belong to the name).
[[nodiscard]] QString trimBlanks(const QString& text);

// The leading-number rule: blanks skipped, optional sign, digits, optional decimal point
// and digits; the number ends at the first character that cannot continue it; 0 when none.
[[nodiscard]] double leadingNumber(const QString& text);
// A whole-number item: the leading number rounded to the nearest integer, clamped to int.
[[nodiscard]] int itemToInt(const QString& text);

}  // namespace tavelo::storage
