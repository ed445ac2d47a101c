#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>

#include <functional>
#include <utility>

namespace tavelo {

// The Japanese Gothic face of every screen.
inline QFont gothicFont(double points, bool bold = false) {
  QFont font(QStringLiteral("Noto Sans CJK JP"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// The face of lists that line up through fixed-width fields: a full-width character must
// take exactly two half-width cells.
inline QFont listFont(double points) {
  QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(points);
  return font;
}

// The object name of element index of a control array: "Image1_3".
inline QString controlName(const char* name, int index) {
  return QString::fromLatin1(name) + u'_' + QString::number(index);
}

inline QColor lightYellow() {
  return {255, 255, 192};
}

// Paints a widget's background in one colour.
inline void fillBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

inline void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

// A label that reports a click (press and release of the left button inside it).
class ClickLabel final : public QLabel {
 public:
  explicit ClickLabel(QWidget* parent, std::function<void()> onClick)
      : QLabel(parent), onClick_(std::move(onClick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      onClick_();
      return;
    }
    QLabel::mouseReleaseEvent(event);
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace tavelo
