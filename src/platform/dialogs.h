#pragma once

#include <QString>

class QWidget;

namespace tavelo::platform {

// Modal message boxes. Only screens call these.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void critical(QWidget* parent, const QString& title, const QString& text) = 0;
  // true for Yes.
  virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
};

class MessageBoxDialogs final : public Dialogs {
 public:
  void information(QWidget* parent, const QString& title, const QString& text) override;
  void warning(QWidget* parent, const QString& title, const QString& text) override;
  void critical(QWidget* parent, const QString& title, const QString& text) override;
  bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace tavelo::platform
