#include "storage/backup.h"

#include "storage/sjis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace tavelo::storage {

namespace {

// Makes a new directory entry durable: fsync on the folder itself.
void syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

QString oneLine(QString text) {
  text.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
  return text;
}

Status ensureFolder(const QString& folder) {
  if (QDir().mkpath(folder)) return std::nullopt;
  return Error{QStringLiteral("フォルダを作れません: %1").arg(folder)};
}

}  // namespace

QString backupFolder(const QString& programDataFolder) {
  return QDir(programDataFolder).filePath(QStringLiteral("バックアップ"));
}

QString auditLogPath(const QString& programDataFolder) {
  return QDir(backupFolder(programDataFolder)).filePath(QStringLiteral("変更記録.txt"));
}

Result<QString> keepBackup(const QString& programDataFolder, const QString& filePath,
                           const QDateTime& now) {
  const QFileInfo source(filePath);
  if (!source.exists()) return QString();
  const QString folder = backupFolder(programDataFolder);
  if (auto error = ensureFolder(folder)) return *error;

  const QString stem = source.completeBaseName() + u'_';
  const QString suffix = source.suffix().isEmpty() ? QString() : u'.' + source.suffix();
  const QString base = stem + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QDir dir(folder);
  QString target = dir.filePath(base + suffix);
  for (int n = 2; QFileInfo::exists(target); ++n) {
    target = dir.filePath(QStringLiteral("%1-%2%3").arg(base).arg(n).arg(suffix));
  }

  // The copy is written whole under a temporary name and renamed, so the backup folder
  // never holds half a copy under a real backup name.
  const QString partial = target + QStringLiteral(".part");
  // A copy that a crash left unfinished is of no use to anybody.
  for (const QString& stale : dir.entryList({stem + QStringLiteral("*.part")}, QDir::Files)) {
    dir.remove(stale);
  }
  if (!QFile::copy(filePath, partial)) {
    return Error{QStringLiteral("バックアップを作れません: %1").arg(target)};
  }
  {
    QFile copy(partial);
    if (copy.open(QIODevice::ReadWrite)) ::fsync(copy.handle());
  }
  if (!QFile::rename(partial, target)) {
    QFile::remove(partial);
    return Error{QStringLiteral("バックアップを作れません: %1").arg(target)};
  }
  syncFolder(folder);

  // Names carry the date and time and, within one second, a counter: oldest go first.
  const auto age = [&](const QString& name) {
    const QStringList parts =
        name.mid(stem.size(), name.size() - stem.size() - suffix.size()).split(u'-');
    return std::pair(parts.value(0) + parts.value(1), parts.value(2, QStringLiteral("1")).toInt());
  };
  QStringList copies = dir.entryList({stem + u'*' + suffix}, QDir::Files);
  copies.removeIf([&](const QString& name) {
    return name.size() < stem.size() + 15 || !name.at(stem.size()).isDigit();
  });
  std::sort(copies.begin(), copies.end(),
            [&](const QString& a, const QString& b) { return age(a) < age(b); });
  while (copies.size() > kBackupsKept) QFile::remove(dir.filePath(copies.takeFirst()));
  return target;
}

Status appendAuditLine(const QString& programDataFolder, const QDateTime& now,
                       const QString& subject, const QString& oldValue, const QString& newValue) {
  const QString folder = backupFolder(programDataFolder);
  if (auto error = ensureFolder(folder)) return *error;
  const QString line = QStringList{now.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")),
                                   oneLine(QSysInfo::machineHostName()), oneLine(subject),
                                   oneLine(oldValue), oneLine(newValue)}
                           .join(u'\t') +
                       QStringLiteral("\r\n");
  QFile log(auditLogPath(programDataFolder));
  if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) {
    return Error{
        QStringLiteral("変更記録に書き込めません: %1 (%2)").arg(log.fileName(), log.errorString())};
  }
  const QByteArray bytes = encodeSjis(line);
  if (log.write(bytes) != bytes.size() || !log.flush() || ::fsync(log.handle()) != 0) {
    return Error{QStringLiteral("変更記録に書き込めません: %1").arg(log.fileName())};
  }
  return std::nullopt;
}

}  // namespace tavelo::storage
