#pragma once

#include "platform/result.h"

#include <QDate>
#include <QString>

namespace tavelo::demo {

// Where the parts of an installation made by createDemoInstallation lie.
struct DemoLayout {
  QString root;               // the common parent folder, holding the path file
  QString programFolder;      // root/tavelo: executable, pictures, worksheet source
  QString dataRoot;           // root/data/: shared configuration, roster, sound folder
  QString programDataFolder;  // root/data/tavelo/: criteria and results
  QString programMenu;  // root/起動/プログラムメニューc.exe: the installation's menu
};

[[nodiscard]] DemoLayout demoLayout(const QString& root);

// Builds a complete installation under root: path file, program folder with the ten
// question pictures, the completion screen's background picture and the worksheet source,
// shared configuration, a roster of invented
// students and a teacher, the sound folder with its table and generated cues, the
// criteria for levels 1-5 and an empty results file. Every text file is code page 932.
// When executable is not empty it is copied into the program folder, with the worksheet
// program "tavelo-worksheets" when that lies beside it; when programMenu is
// not empty it is copied in as the installation's program menu, beside the program folder.
// today decides the roster's grades.
[[nodiscard]] Status createDemoInstallation(const QString& root, const QString& executable,
                                            QDate today, const QString& programMenu = {});

// A mono 16-bit WAV of the given notes (Hz, ms); used for the sound cues.
struct Note {
  double frequency;
  int ms;
};
[[nodiscard]] QByteArray makeWav(std::initializer_list<Note> notes);

// Writes a QImage as a GIF (giflib).
[[nodiscard]] Status writeGif(const QString& path, const class QImage& image);

}  // namespace tavelo::demo
