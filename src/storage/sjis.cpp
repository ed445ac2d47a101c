#include "storage/sjis.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tavelo::storage {

namespace {
constexpr const char* kCodePage932 = "windows-31j";
}

QByteArray encodeSjis(const QString& text) {
  QStringEncoder encoder(kCodePage932);
  return encoder.encode(text);
}

QString decodeSjis(const QByteArray& bytes) {
  QStringDecoder decoder(kCodePage932);
  return decoder.decode(bytes);
}

Result<QString> readSjisFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) {
    return Error{QStringLiteral("ファイルがありません: %1").arg(path)};
  }
  if (!file.open(QIODevice::ReadOnly)) {
    return Error{QStringLiteral("ファイルを開けません: %1 (%2)").arg(path, file.errorString())};
  }
  return decodeSjis(file.readAll());
}

Status writeSjisFile(const QString& path, const QString& text) {
  // Written to a temporary file and renamed over the old one, so a crash or a full disk
  // never leaves half a file behind.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return Error{QStringLiteral("ファイルに書き込めません: %1 (%2)").arg(path, file.errorString())};
  }
  file.write(encodeSjis(text));
  if (!file.commit()) {
    return Error{QStringLiteral("ファイルに書き込めません: %1 (%2)").arg(path, file.errorString())};
  }
  return std::nullopt;
}

}  // namespace tavelo::storage
