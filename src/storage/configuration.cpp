#include "storage/configuration.h"

#include "core/catalogue.h"
#include "core/shared_state.h"
#include "storage/criteria.h"
#include "storage/file_names.h"
#include "storage/item_file.h"
#include "storage/sound_table.h"

#include <QDir>

namespace tavelo::storage {

void splitSiteItem(const QString& item, QString& siteCode, QString& siteName) {
  const QString head = item.left(5);
  if (leadingNumber(head) != 0) {
    siteCode = head;
    siteName = item.mid(5);
  } else {
    siteCode.clear();
    siteName = item;
  }
}

Status loadInstallation(SharedState& state, const QString& executableFolder) {
  const QString folder = QDir::cleanPath(executableFolder);
  const QString programFolder = withSeparator(folder);
  const QString parent = withSeparator(QDir::cleanPath(folder + QStringLiteral("/..")));

  auto pathFile = ItemFile::open(parent + pathFileName());
  if (!pathFile) {
    return pathFile.error();
  }
  auto pathItems = pathFile->take(10, QStringLiteral("パスデータ"));
  if (!pathItems) {
    return pathItems.error();
  }
  const QString dataRoot = withSeparator(pathItems->at(0).trimmed());
  if (pathItems->at(0).trimmed().isEmpty()) {
    return Error{
        QStringLiteral("%1\n1 番目の項目（データフォルダ）が空です").arg(pathFile->path())};
  }

  auto configFile = ItemFile::open(dataRoot + sharedConfigFileName());
  if (!configFile) {
    return configFile.error();
  }
  auto config = configFile->take(10, QStringLiteral("共通データ"));
  if (!config) {
    return config.error();
  }

  state.programFolder = programFolder;
  state.dataRoot = dataRoot;
  state.schoolYearStartMonth = AnyValue(config->at(0));
  splitSiteItem(config->at(1), state.siteCode, state.siteName);
  state.rosterStatus2Listed = AnyValue(config->at(2));
  state.dataPassword = AnyValue(config->at(5));
  state.programFolderName = folder.mid(folder.lastIndexOf(u'/') + 1);
  state.programDataFolder = dataRoot + state.programFolderName + u'/';
  state.soundFolder = dataRoot + soundFolderName() + u'/';

  setProgramIdentity(state);
  return std::nullopt;
}

Status loadConfiguration(SharedState& state, const QString& executableFolder) {
  if (Status installation = loadInstallation(state, executableFolder)) {
    return installation;
  }
  if (Status criteria = loadCriteria(state, state.programDataFolder + criteriaFileName())) {
    return criteria;
  }
  return loadSoundTable(state, state.soundFolder + soundTableFileName());
}

}  // namespace tavelo::storage
