#include "storage/backup.h"
#include "storage/sjis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavelo::storage {
namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Backup, CopiesKeepTheNewestTwentyOfEachFile) {
  QTemporaryDir dir;
  const QString data = dir.path() + u'/';
  const QString results = data + QStringLiteral("成績累積データ.dat");
  const QString criteria = data + QStringLiteral("タイム回数データ.txt");
  writeBytes(criteria, "criteria");
  const QDateTime start(QDate(2026, 12, 10), QTime(9, 0, 0));
  ASSERT_TRUE(keepBackup(data, criteria, start).ok());

  QString first;
  // A copy left unfinished by a crash is cleared away.
  QDir().mkpath(backupFolder(data));
  writeBytes(backupFolder(data) + QStringLiteral("/成績累積データ_20261210-085959.dat.part"), "x");
  for (int i = 0; i < 25; ++i) {
    writeBytes(results, QByteArray::number(i));
    // Copies within one second get names of their own; the first twelve share one second,
    // so the counter passes 10 and must still count as younger than 2.
    const auto copy = keepBackup(data, results, start.addSecs(i < 12 ? 0 : i));
    ASSERT_TRUE(copy.ok()) << copy.error().message.toStdString();
    if (i == 0) first = *copy;
    EXPECT_EQ(readBytes(*copy), QByteArray::number(i));
  }
  const QDir folder(backupFolder(data));
  EXPECT_EQ(folder.entryList({QStringLiteral("成績累積データ_*.dat")}, QDir::Files).size(),
            kBackupsKept);
  EXPECT_FALSE(QFile::exists(first));  // the oldest went first
  for (int i = 5; i < 25; ++i) {
    // Exactly the newest twenty are left.
    bool found = false;
    for (const QString& name : folder.entryList({QStringLiteral("成績累積データ_*.dat")}))
      found |= readBytes(folder.filePath(name)) == QByteArray::number(i);
    EXPECT_TRUE(found) << i;
  }
  // The other file's copy is not counted against this one.
  EXPECT_EQ(folder.entryList({QStringLiteral("タイム回数データ_*.txt")}, QDir::Files).size(), 1);
  EXPECT_TRUE(folder.entryList({QStringLiteral("*.part")}, QDir::Files).isEmpty());
}

TEST(Backup, MissingFileNeedsNoCopy) {
  QTemporaryDir dir;
  const auto copy = keepBackup(dir.path(), dir.path() + QStringLiteral("/none.dat"),
                               QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  ASSERT_TRUE(copy.ok());
  EXPECT_TRUE(copy->isEmpty());
}

TEST(Backup, AuditLinesAreCodePage932WithCrLf) {
  QTemporaryDir dir;
  const QDateTime when(QDate(2026, 12, 10), QTime(17, 5, 9));
  ASSERT_FALSE(appendAuditLine(dir.path(), when, QStringLiteral("記録 12"),
                               QStringLiteral("山田\t太郎 35秒"), QStringLiteral("消去")));
  ASSERT_FALSE(appendAuditLine(dir.path(), when, QStringLiteral("レベル3"),
                               QStringLiteral("a\r\nb"), QStringLiteral("c")));
  const QByteArray bytes = readBytes(auditLogPath(dir.path()));
  const QStringList lines = decodeSjis(bytes).split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[2].isEmpty());
  const QStringList fields = lines[0].split(u'\t');
  ASSERT_EQ(fields.size(), 5);
  EXPECT_EQ(fields[0], QStringLiteral("2026/12/10 17:05:09"));
  EXPECT_EQ(fields[2], QStringLiteral("記録 12"));
  EXPECT_EQ(fields[3], QStringLiteral("山田 太郎 35秒"));
  EXPECT_EQ(lines[1].split(u'\t')[3], QStringLiteral("a  b"));
  EXPECT_TRUE(bytes.contains(encodeSjis(QStringLiteral("山田"))));
}

}  // namespace
}  // namespace tavelo::storage
