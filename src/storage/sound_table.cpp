#include "storage/sound_table.h"

#include "core/shared_state.h"
#include "storage/item_file.h"

#include <array>

namespace tavelo::storage {

namespace {
const std::array<const char*, kSoundKinds> kKindNames{
    "正解音1", "正解音2",     "間違い音1",   "間違い音2",   "最高音1",
    "最高音2", "自己最高音1", "自己最高音2", "自己最高音3", "不合格音1"};
}

Status loadSoundTable(SharedState& state, const QString& path) {
  for (int k = 1; k <= kSoundKinds; ++k) {
    state.soundKindNames[k] = QString::fromUtf8(kKindNames[k - 1]);
  }
  auto file = ItemFile::open(path);
  if (!file) {
    return file.error();
  }
  while (!file->atEnd()) {
    auto item = file->take(1, QStringLiteral("音"));
    if (!item) {
      break;
    }
    const QString& x = item->front();
    for (int k = 1; k <= kSoundKinds; ++k) {
      if (x != state.soundKindNames[k]) {
        continue;
      }
      // Without a closing "*" the count stays 0, so only the first stem plays.
      state.soundStemCount[k] = 0;
      for (int d = 1; d <= kSoundStemsPerKind && !file->atEnd(); ++d) {
        const QString y = file->take(1, QStringLiteral("音")).value().front();
        if (y == QStringLiteral("*")) {
          state.soundStemCount[k] = d - 1;
          break;
        }
        state.soundStems[k][d] = y;
      }
    }
  }
  return std::nullopt;
}

}  // namespace tavelo::storage
