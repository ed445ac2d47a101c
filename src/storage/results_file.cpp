#include "storage/results_file.h"

#include "core/shared_state.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/services.h"
#include "storage/file_names.h"
#include "storage/sjis.h"

#include <QFile>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

namespace tavelo::storage {

namespace {

constexpr int kLockRetryMs = 250;
constexpr int kMissingFileWaitMs = 5000;
constexpr int kMissingFileTries = 4;
constexpr int kBusyWaitMs = 1000;
constexpr int kBusyTries = 30;
// The largest day serial a date can have (9999-12-31); anything beyond is damage.
constexpr double kLastDaySerial = 2958465;

QString systemError(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Closes the descriptor when the routine that opened it returns.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  [[nodiscard]] int get() const { return fd_; }

 private:
  int fd_;
};

template <typename T>
void put(QByteArray& bytes, int offset, T value) {
  qToLittleEndian(value, bytes.data() + offset);
}

template <typename T>
T get(const char* bytes, int offset) {
  return qFromLittleEndian<T>(bytes + offset);
}

void putField(QByteArray& bytes, int offset, const std::array<char, 5>& field) {
  std::memcpy(bytes.data() + offset, field.data(), field.size());
}

std::array<char, 5> getField(const char* bytes, int offset) {
  std::array<char, 5> field{};
  std::memcpy(field.data(), bytes + offset, field.size());
  return field;
}

bool writeAll(int fd, const QByteArray& bytes, off_t offset) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done),
                 offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

bool readAll(int fd, QByteArray& bytes, off_t offset) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done),
                              offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

// Opens the results file for reading, creating it empty when it is missing. Waits while
// the file is missing (a network share coming back) or busy, letting window events run.
Result<int> openForLoading(const QString& path, platform::Services& services) {
  const QByteArray name = QFile::encodeName(path);
  int missing = 0;
  int busy = 0;
  for (;;) {
    int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
      fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    }
    if (fd >= 0) return fd;
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) {
      if (++missing >= kMissingFileTries) {
        return Error{QStringLiteral("ファイルがありません\n%1\n%2").arg(path, systemError(error))};
      }
      services.events.waitLettingEventsRun(kMissingFileWaitMs);
    } else if ((error == EACCES || error == EBUSY || error == ETXTBSY || error == EAGAIN) &&
               ++busy < kBusyTries) {
      services.events.waitLettingEventsRun(kBusyWaitMs);
    } else {
      return Error{
          QStringLiteral("成績ファイルを開けません\n%1\n%2").arg(path, systemError(error))};
    }
  }
}

// The last `most` whole records of the results file as bytes, and how many records the file
// holds. Waits for a missing or busy file as loading does.
struct Tail {
  qint64 recordCount = 0;
  QByteArray bytes;
};
Result<Tail> readTail(const QString& path, platform::Services& services, qint64 most) {
  auto opened = openForLoading(path, services);
  if (!opened) return opened.error();
  const Descriptor file(*opened);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    return Error{QStringLiteral("成績ファイルを読めません\n%1\n%2").arg(path, systemError(errno))};
  }
  Tail tail;
  tail.recordCount = info.st_size / kRecordSize;
  const qint64 count = std::clamp<qint64>(most, 0, tail.recordCount);
  tail.bytes = QByteArray(count * kRecordSize, '\0');
  if (!readAll(file.get(), tail.bytes,
               static_cast<off_t>((tail.recordCount - count) * kRecordSize))) {
    return Error{QStringLiteral("成績ファイルを読めません\n%1\n%2").arg(path, systemError(errno))};
  }
  return tail;
}

}  // namespace

std::array<char, 5> textField(const QString& text) {
  std::array<char, 5> field{' ', ' ', ' ', ' ', ' '};
  std::size_t used = 0;
  // Cut between characters, never through a double-byte one.
  for (const QChar c : text) {
    const QByteArray bytes = encodeSjis(QString(c));
    if (used + static_cast<std::size_t>(bytes.size()) > field.size()) break;
    std::memcpy(field.data() + used, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    used += static_cast<std::size_t>(bytes.size());
  }
  return field;
}

QByteArray encodeRecord(const ResultRecord& r) {
  QByteArray bytes(kRecordSize, '\0');
  put(bytes, 0, r.date);
  put(bytes, 8, r.timeOfDay);
  put(bytes, 16, r.student);
  put(bytes, 18, r.level);
  put(bytes, 20, r.drillTime);
  putField(bytes, 24, r.siteCode);
  putField(bytes, 29, r.spareText);
  putField(bytes, 34, r.pointsText);
  putField(bytes, 39, r.spare2);
  return bytes;
}

ResultRecord decodeRecord(const char* bytes) {
  ResultRecord r;
  r.date = get<double>(bytes, 0);
  r.timeOfDay = get<double>(bytes, 8);
  r.student = get<qint16>(bytes, 16);
  r.level = get<qint16>(bytes, 18);
  r.drillTime = get<qint32>(bytes, 20);
  r.siteCode = getField(bytes, 24);
  r.spareText = getField(bytes, 29);
  r.pointsText = getField(bytes, 34);
  r.spare2 = getField(bytes, 39);
  return r;
}

QString resultsFilePath(const SharedState& state) {
  return state.programDataFolder + resultsFileName();
}

bool hasValidDate(const ResultRecord& record) {
  return std::isfinite(record.date) && record.date >= 0 && record.date <= kLastDaySerial &&
         std::isfinite(record.timeOfDay);
}

Result<NewestRecords> readNewestRecords(const SharedState& state, platform::Services& services,
                                        qint64 most) {
  auto tail = readTail(resultsFilePath(state), services, most);
  if (!tail) return tail.error();
  NewestRecords newest;
  const qint64 count = tail->bytes.size() / kRecordSize;
  newest.recordCount = tail->recordCount;
  newest.firstNumber = tail->recordCount - count + 1;
  newest.records.reserve(static_cast<std::size_t>(count));
  for (qint64 i = 0; i < count; ++i) {
    newest.records.push_back(decodeRecord(tail->bytes.constData() + i * kRecordSize));
  }
  return newest;
}

Status appendResult(SharedState& state, platform::Services& services) {
  const QString path = resultsFilePath(state);
  const Descriptor file(
      ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    return Error{
        QStringLiteral("成績を記録できませんでした。\n%1\n%2").arg(path, systemError(errno))};
  }
  // Another computer may hold the file for a moment: wait for it, keeping the window alive.
  const auto deadline = services.clock.monotonicMs() + kAppendLockWaitMs;
  for (;;) {
    auto locked = services.locker.tryLock(file.get());
    if (!locked) {
      return Error{
          QStringLiteral("成績を記録できませんでした。\n%1\n%2").arg(path, locked.error().message)};
    }
    if (*locked) break;
    if (services.clock.monotonicMs() >= deadline) {
      return Error{
          QStringLiteral(
              "成績を記録できませんでした。ほかのコンピュータが成績ファイルを使っています。\n%1")
              .arg(path)};
    }
    services.events.waitLettingEventsRun(kLockRetryMs);
  }

  struct stat info {};
  Status status;
  if (::fstat(file.get(), &info) != 0) {
    status =
        Error{QStringLiteral("成績を記録できませんでした。\n%1\n%2").arg(path, systemError(errno))};
  } else {
    // After the last whole record: a partial record left by a crash is overwritten.
    const off_t position = info.st_size / kRecordSize * kRecordSize;
    const QDateTime now = services.clock.now();
    ResultRecord record;
    record.date = platform::daySerial(now.date());
    record.timeOfDay = platform::dayFraction(now.time());
    record.student = state.studentIndex;
    record.level = state.levelIndex;
    record.drillTime = state.drillTime;
    record.siteCode = textField(state.siteCode);
    if (!writeAll(file.get(), encodeRecord(record), position) || ::fsync(file.get()) != 0) {
      status = Error{
          QStringLiteral("成績を記録できませんでした。\n%1\n%2").arg(path, systemError(errno))};
    }
  }
  services.locker.unlock(file.get());
  return status;
}

Status loadResults(SharedState& state, platform::Services& services) {
  const QString path = resultsFilePath(state);
  // The newest records count: a file longer than the list holds gives its last records.
  auto tail = readTail(path, services, kLoadedCapacity);
  if (!tail) return tail.error();
  const QByteArray& bytes = tail->bytes;
  const qint64 records = tail->recordCount;
  const qint64 first = records - bytes.size() / kRecordSize;

  state.loadedResults.clear();
  state.bestTime.fill(kTimedOut);
  state.levelBestTime.fill(kTimedOut);

  state.loadedResults.reserve(static_cast<std::size_t>(records - first));
  int outOfRange = 0;
  qint64 firstBadRecord = 0;
  for (qint64 i = 0; i < records - first; ++i) {
    const ResultRecord r = decodeRecord(bytes.constData() + i * kRecordSize);
    if (!validStudent(r.student) || !validLevel(r.level)) {
      // The tables cannot hold it; leave it out rather than stop every computer.
      if (outOfRange++ == 0) firstBadRecord = first + i + 1;
      continue;
    }
    if (r.student >= 1 && r.level >= 1 && r.drillTime < state.bestTime(r.student, r.level)) {
      state.bestTime(r.student, r.level) = r.drillTime;
    }
    if (hasValidDate(r) && r.student != 0 && r.level >= 1) {
      state.loadedResults.push_back({r.date, r.timeOfDay, r.student, r.level, r.drillTime});
    }
  }
  if (outOfRange > 0 && state.resultsWarning.isEmpty()) {
    state.resultsWarning = QStringLiteral(
                               "成績ランダムファイル表示\n%1\n番号かレベルが範囲外の記録が %2 "
                               "件あります（最初は %3 件目）。これらの記録は集計に入れません。")
                               .arg(path)
                               .arg(outOfRange)
                               .arg(firstBadRecord);
  }
  for (int level = 1; level <= kMaxLevel; ++level) {
    qint32 best = kTimedOut;
    for (int student = 1; student <= 1000; ++student) {
      best = std::min(best, state.bestTime(student, level));
    }
    state.levelBestTime[level] = best;
  }
  return std::nullopt;
}

Result<std::vector<ResultRecord>> readAllRecords(const SharedState& state,
                                                 platform::Services& services) {
  auto read = readNewestRecords(state, services, std::numeric_limits<qint64>::max());
  if (!read) return read.error();
  return std::move(read->records);
}

}  // namespace tavelo::storage
