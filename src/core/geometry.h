#pragma once

#include <QRect>

namespace tavelo {

// Screen geometry is designed in twips; 15 twips make one pixel.
[[nodiscard]] constexpr int twips(int value) {
  return value / 15;
}
[[nodiscard]] constexpr QRect twipRect(int left, int top, int width, int height) {
  return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace tavelo
