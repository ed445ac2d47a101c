#include "storage/text_items.h"

#include <cmath>
#include <limits>

namespace tavelo::storage {

namespace {

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
  return c == u'\r' || c == u'\n';
}

}  // namespace

TextItemReader::TextItemReader(QString text) : text_(std::move(text)) {}

bool TextItemReader::atEnd() const {
  if (lastWasComma_) {
    return false;
  }
  for (qsizetype i = pos_; i < text_.size(); ++i) {
    if (!isBlank(text_[i]) && !isLineEnd(text_[i])) {
      return false;
    }
  }
  return true;
}

void TextItemReader::skipBlanks() {
  while (pos_ < text_.size() && isBlank(text_[pos_])) {
    ++pos_;
  }
}

void TextItemReader::consumeSeparator() {
  if (pos_ >= text_.size()) {
    return;
  }
  const QChar c = text_[pos_];
  if (c == u',') {
    ++pos_;
    lastWasComma_ = true;
  } else if (c == u'\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n') {
      ++pos_;
    }
    ++currentLine_;
  } else if (c == u'\n') {
    ++pos_;
    ++currentLine_;
  }
}

std::optional<QString> TextItemReader::next() {
  if (pos_ >= text_.size()) {
    // A comma at the very end still ends one last, empty item.
    if (lastWasComma_) {
      lastWasComma_ = false;
      itemLine_ = currentLine_;
      return QString();
    }
    return std::nullopt;
  }
  lastWasComma_ = false;
  skipBlanks();
  itemLine_ = currentLine_;
  QString item;
  if (pos_ < text_.size() && text_[pos_] == u'"') {
    ++pos_;
    const qsizetype close = text_.indexOf(u'"', pos_);
    const qsizetype end = close < 0 ? text_.size() : close;
    item = text_.mid(pos_, end - pos_);
    for (const QChar c : item) {
      if (c == u'\n') {
        ++currentLine_;
      }
    }
    pos_ = close < 0 ? text_.size() : close + 1;
    while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_])) {
      ++pos_;
    }
  } else {
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_])) {
      ++pos_;
    }
    qsizetype end = pos_;
    while (end > start && isBlank(text_[end - 1])) {
      --end;
    }
    item = text_.mid(start, end - start);
  }
  consumeSeparator();
  return item;
}

QString formatItem(const QString& item) {
  const bool needsQuotes = item.contains(u',') || item.contains(u'\r') || item.contains(u'\n') ||
                           item.startsWith(u'"') ||
                           (!item.isEmpty() && (isBlank(item.front()) || isBlank(item.back())));
  return needsQuotes ? u'"' + item + u'"' : item;
}

QString formatLine(const QStringList& items) {
  QStringList formatted;
  formatted.reserve(items.size());
  for (const QString& item : items) {
    formatted.append(formatItem(item));
  }
  return formatted.join(u',') + QStringLiteral("\r\n");
}

QString trimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == u' ') ++first;
  while (last > first && text.at(last - 1) == u' ') --last;
  return text.mid(first, last - first);
}

double leadingNumber(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && isBlank(text[i])) {
    ++i;
  }
  const qsizetype start = i;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    ++i;
  }
  const auto isDigit = [&](qsizetype k) {
    return k < text.size() && text[k] >= u'0' && text[k] <= u'9';
  };
  bool digits = false;
  while (isDigit(i)) {
    ++i;
    digits = true;
  }
  if (i < text.size() && text[i] == u'.') {
    ++i;
    while (isDigit(i)) {
      ++i;
      digits = true;
    }
  }
  if (!digits) {
    return 0;
  }
  bool ok = false;
  const double value = text.mid(start, i - start).toDouble(&ok);
  return ok && std::isfinite(value) ? value : 0;
}

int itemToInt(const QString& text) {
  const double value = std::nearbyint(leadingNumber(text));
  constexpr double lo = std::numeric_limits<int>::min();
  constexpr double hi = std::numeric_limits<int>::max();
  return static_cast<int>(value < lo ? lo : (value > hi ? hi : value));
}

}  // namespace tavelo::storage
