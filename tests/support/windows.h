#pragma once

#include <QApplication>
#include <QWidget>

namespace tavelo::testing {

// The first visible top-level window of type T, or nullptr.
template <typename T>
T* visibleWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* found = qobject_cast<T*>(window); found != nullptr && found->isVisible()) {
      return found;
    }
  }
  return nullptr;
}

}  // namespace tavelo::testing
