#pragma once

#include "platform/result.h"
#include "storage/text_items.h"

#include <QString>
#include <QStringList>

namespace tavelo::storage {

// A text item file read whole, whose reads report the file and line when items run out.
class ItemFile {
 public:
  static Result<ItemFile> open(const QString& path);

  [[nodiscard]] bool atEnd() const { return reader_.atEnd(); }
  // The next n items, or an Error naming the file, the line and how many were missing.
  Result<QStringList> take(int n, const QString& what);
  // The next n items, which must all begin on one line (a roster line, say); line()
  // then tells that line.
  Result<QStringList> takeLine(int n, const QString& what);
  [[nodiscard]] int line() const { return reader_.line(); }
  [[nodiscard]] const QString& path() const { return path_; }

 private:
  ItemFile(QString path, QString text) : path_(std::move(path)), reader_(std::move(text)) {}
  QString path_;
  TextItemReader reader_;
};

}  // namespace tavelo::storage
