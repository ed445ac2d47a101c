#pragma once

#include <QString>

namespace tavelo {

// A text item that the rules use as a number when it forms one (the "any" columns of the
// criteria table and configuration items). Keeps the original text so it can be written back.
class AnyValue {
 public:
  AnyValue() = default;
  explicit AnyValue(QString text);
  explicit AnyValue(double number);

  [[nodiscard]] const QString& text() const { return text_; }
  [[nodiscard]] bool isNumber() const { return isNumber_; }
  // The numeric value; 0 when the item is text.
  [[nodiscard]] double number() const { return number_; }
  [[nodiscard]] int toInt() const;

  friend bool operator==(const AnyValue&, const AnyValue&) = default;

 private:
  QString text_;
  double number_ = 0;
  bool isNumber_ = false;
};

}  // namespace tavelo
