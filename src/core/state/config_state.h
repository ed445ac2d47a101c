#pragma once

#include "core/state/any_value.h"

#include <QColor>
#include <QString>

namespace tavelo {

// Folders, shared configuration and the start-up colour.
struct ConfigState {
  QString programFolder;      // executable folder, ending in "/"
  QString dataRoot;           // ending in "/"
  QString programFolderName;  // last component of the program folder
  QString programDataFolder;  // dataRoot + programFolderName + "/"
  QString soundFolder;        // dataRoot + "音フォルダ/"

  AnyValue schoolYearStartMonth;
  QString siteName;
  QString siteCode;
  AnyValue rosterStatus2Listed;
  AnyValue dataPassword;

  QColor seasonColour{Qt::black};
};

}  // namespace tavelo
