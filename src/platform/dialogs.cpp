#include "platform/dialogs.h"

#include <QMessageBox>

namespace tavelo::platform {

void MessageBoxDialogs::information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

void MessageBoxDialogs::warning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

void MessageBoxDialogs::critical(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::critical(parent, title, text);
}

bool MessageBoxDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text) {
  return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

}  // namespace tavelo::platform
