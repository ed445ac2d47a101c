#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

namespace tavelo {
struct SharedState;
namespace platform {
struct Services;
}
}  // namespace tavelo

namespace tavelo::storage {

inline constexpr int kRecordSize = 44;
// How long an append waits for a results file that another computer holds.
inline constexpr int kAppendLockWaitMs = 30'000;

// One 44-byte record of the results file, little-endian, as the other programs of the
// installation read it.
struct ResultRecord {
  double date = 0;       // offset 0: day serial of the recording date (midnight)
  double timeOfDay = 0;  // offset 8: fraction of a day
  qint16 student = 0;    // offset 16
  qint16 level = 0;      // offset 18
  qint32 drillTime = 0;  // offset 20: seconds, 99999 when the time ran out
  std::array<char, 5> siteCode{' ', ' ', ' ', ' ', ' '};    // offset 24, code page 932
  std::array<char, 5> spareText{' ', ' ', ' ', ' ', ' '};   // offset 29
  std::array<char, 5> pointsText{'0', ' ', ' ', ' ', ' '};  // offset 34
  std::array<char, 5> spare2{};                             // offset 39, zero bytes
};

[[nodiscard]] QByteArray encodeRecord(const ResultRecord& record);
// bytes must hold at least kRecordSize bytes.
[[nodiscard]] ResultRecord decodeRecord(const char* bytes);
// A text field of n bytes: code page 932, cut or blank-padded on the right.
[[nodiscard]] std::array<char, 5> textField(const QString& text);

[[nodiscard]] QString resultsFilePath(const SharedState& state);

// A date and time of day that name a real moment (day serial 0 to 9999-12-31); records
// with anything else are damage and are left out of statistics and lists.
[[nodiscard]] bool hasValidDate(const ResultRecord& record);

// The newest records of the results file, in file order. Record numbers are 64-bit, so
// files of any length are numbered correctly.
struct NewestRecords {
  qint64 recordCount = 0;  // whole records in the file
  qint64 firstNumber = 1;  // number (from 1) of records.front()
  std::vector<ResultRecord> records;
};
// Reads the last `most` records (all when the file holds fewer), waiting like loadResults
// while the file is missing or held elsewhere. Never changes the file.
[[nodiscard]] Result<NewestRecords> readNewestRecords(const SharedState& state,
                                                      platform::Services& services, qint64 most);

// Appends one record for the drill just finished (studentIndex, levelIndex, drillTime,
// siteCode, today's date and the time of day) after the last whole record, under a
// whole-file lock. While another computer holds the lock it retries, letting window events
// run, for up to kAppendLockWaitMs; an Error says the record was not written.
[[nodiscard]] Status appendResult(SharedState& state, platform::Services& services);

// Fills the loaded list (the newest kLoadedCapacity records) and the best times. Records
// whose student or level the tables cannot hold are left out and reported once in
// state.resultsWarning. Never changes the file. An Error means the file could not be read.
[[nodiscard]] Status loadResults(SharedState& state, platform::Services& services);

// Every whole record of the file in record order, for the teacher screens. Opens the file as
// loading does (created empty when missing, waits while it is busy) and never changes it.
[[nodiscard]] Result<std::vector<ResultRecord>> readAllRecords(const SharedState& state,
                                                               platform::Services& services);

}  // namespace tavelo::storage
