#include "storage/item_file.h"

#include "storage/sjis.h"

namespace tavelo::storage {

Result<ItemFile> ItemFile::open(const QString& path) {
  auto text = readSjisFile(path);
  if (!text) {
    return text.error();
  }
  return ItemFile(path, std::move(text).value());
}

Result<QStringList> ItemFile::take(int n, const QString& what) {
  QStringList items;
  items.reserve(n);
  int firstLine = 0;
  for (int i = 0; i < n; ++i) {
    auto item = reader_.next();
    if (!item) {
      // The line where the short group began; with nothing read, the line after the last.
      const int line = items.isEmpty() ? reader_.line() + 1 : firstLine;
      return Error{
          QStringLiteral("%1\n%2 行目: %3 の項目が足りません（%4 個のうち %5 個しかありません）")
              .arg(path_)
              .arg(line)
              .arg(what)
              .arg(n)
              .arg(i)};
    }
    if (items.isEmpty()) {
      firstLine = reader_.line();
    }
    items.append(*item);
  }
  return items;
}

Result<QStringList> ItemFile::takeLine(int n, const QString& what) {
  QStringList items;
  items.reserve(n);
  int firstLine = 0;
  for (int i = 0; i < n; ++i) {
    auto item = reader_.next();
    if (items.isEmpty() && item) firstLine = reader_.line();
    if (!item || reader_.line() != firstLine) {
      return Error{
          QStringLiteral("%1\n%2 行目: %3 の項目が足りません（%4 個のうち %5 個しかありません）")
              .arg(path_)
              .arg(firstLine)
              .arg(what)
              .arg(n)
              .arg(i)};
    }
    items.append(*item);
  }
  return items;
}

}  // namespace tavelo::storage
