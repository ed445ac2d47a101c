#include "core/state/any_value.h"

#include <cmath>

namespace tavelo {

AnyValue::AnyValue(QString text) : text_(std::move(text)) {
  bool ok = false;
  const double value = text_.trimmed().toDouble(&ok);
  if (ok && std::isfinite(value)) {
    number_ = value;
    isNumber_ = true;
  }
}

AnyValue::AnyValue(double number)
    : text_(QString::number(number)), number_(number), isNumber_(true) {}

int AnyValue::toInt() const {
  if (!isNumber_ || !std::isfinite(number_) || std::fabs(number_) > 2.0e9) {
    return 0;
  }
  return static_cast<int>(std::lround(number_));
}

}  // namespace tavelo
