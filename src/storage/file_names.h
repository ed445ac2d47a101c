#pragma once

#include <QString>

namespace tavelo::storage {

// File and folder names of the installation, shared with its other programs.
inline QString pathFileName() {
  return QStringLiteral("パスデータ.txt");
}
inline QString sharedConfigFileName() {
  return QStringLiteral("共通データ.txt");
}
inline QString criteriaFileName() {
  return QStringLiteral("タイム回数データ.txt");
}
inline QString resultsFileName() {
  return QStringLiteral("成績累積データ.dat");
}
inline QString resultsTempFileName() {
  return QStringLiteral("成績累積データtemp.dat");
}
inline QString rosterFileName() {
  return QStringLiteral("新名簿.txt");
}
inline QString soundFolderName() {
  return QStringLiteral("音フォルダ");
}
inline QString soundTableFileName() {
  return QStringLiteral("新音ファイル.txt");
}

// Appends the folder separator unless the path already ends in one.
[[nodiscard]] inline QString withSeparator(const QString& folder) {
  return folder.endsWith(u'/') || folder.endsWith(u'\\') ? folder : folder + u'/';
}

}  // namespace tavelo::storage
