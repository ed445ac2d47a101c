#pragma once

#include <QRect>

namespace tavelo {

// Screen geometry is designed in twips; 15 twips make one pixel (rounded to the nearest).
[[nodiscard]] constexpr int twips(double value) {
  return static_cast<int>(value >= 0 ? value / 15 + 0.5 : value / 15 - 0.5);
}
[[nodiscard]] constexpr QRect twipRect(double left, double top, double width, double height) {
  return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace tavelo
