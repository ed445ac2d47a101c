#include "demo/demo_installation.h"

#include "demo/worksheet_source.h"
#include "storage/file_names.h"
#include "storage/sjis.h"
#include "storage/text_items.h"

#include <gif_lib.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace tavelo::demo {

using storage::formatLine;

namespace {

Status writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    return Error{QStringLiteral("書き込めません: ") + path};
  }
  return std::nullopt;
}

Status writeText(const QString& path, const QString& text) {
  return writeBytes(path, storage::encodeSjis(text));
}

// Ten friendly pictures, each a different shape and colour.
void drawPicture(QPainter& p, int index) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(0, 0, 144, 128, QColor(255, 255, 240));
  p.setPen(QPen(QColor(60, 60, 60), 3));
  const QRectF box(22, 14, 100, 100);
  switch (index) {
    case 1: {  // star
      QPainterPath star;
      for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 50 : 21;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(72 + r * std::cos(a), 66 + r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
      }
      star.closeSubpath();
      p.setBrush(QColor(255, 210, 0));
      p.drawPath(star);
      break;
    }
    case 2: {  // heart
      QPainterPath heart;
      heart.moveTo(72, 110);
      heart.cubicTo(10, 70, 20, 15, 72, 40);
      heart.cubicTo(124, 15, 134, 70, 72, 110);
      p.setBrush(QColor(240, 70, 110));
      p.drawPath(heart);
      break;
    }
    case 3:  // smiling face
      p.setBrush(QColor(255, 220, 120));
      p.drawEllipse(box);
      p.setBrush(QColor(60, 60, 60));
      p.drawEllipse(QPointF(55, 52), 7, 9);
      p.drawEllipse(QPointF(89, 52), 7, 9);
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(45, 55, 54, 40), 200 * 16, 140 * 16);
      break;
    case 4:  // flower
      p.setBrush(QColor(250, 140, 200));
      for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3;
        p.drawEllipse(QPointF(72 + 28 * std::cos(a), 64 + 28 * std::sin(a)), 20, 20);
      }
      p.setBrush(QColor(255, 230, 60));
      p.drawEllipse(QPointF(72, 64), 18, 18);
      break;
    case 5:  // apple
      p.setBrush(QColor(220, 40, 40));
      p.drawEllipse(QRectF(27, 30, 90, 84));
      p.setBrush(QColor(60, 170, 60));
      p.drawEllipse(QRectF(74, 12, 28, 16));
      break;
    case 6: {  // fish
      p.setBrush(QColor(70, 150, 240));
      p.drawEllipse(QRectF(20, 34, 84, 60));
      QPolygonF tail{{100, 64}, {130, 36}, {130, 92}};
      p.drawPolygon(tail);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(45, 56), 8, 8);
      break;
    }
    case 7: {  // house
      p.setBrush(QColor(240, 150, 80));
      p.drawRect(QRectF(34, 60, 76, 54));
      QPolygonF roof{{24, 62}, {72, 16}, {120, 62}};
      p.setBrush(QColor(170, 60, 40));
      p.drawPolygon(roof);
      p.setBrush(QColor(120, 80, 40));
      p.drawRect(QRectF(62, 84, 20, 30));
      break;
    }
    case 8:  // tree
      p.setBrush(QColor(140, 90, 40));
      p.drawRect(QRectF(62, 76, 20, 40));
      p.setBrush(QColor(50, 170, 70));
      p.drawEllipse(QRectF(30, 12, 84, 74));
      break;
    case 9:  // sun
      p.setBrush(QColor(255, 150, 0));
      for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(72 + 36 * std::cos(a), 64 + 36 * std::sin(a)),
                   QPointF(72 + 56 * std::cos(a), 64 + 56 * std::sin(a)));
      }
      p.drawEllipse(QPointF(72, 64), 30, 30);
      break;
    default:  // car
      p.setBrush(QColor(60, 190, 200));
      p.drawRoundedRect(QRectF(16, 50, 112, 40), 10, 10);
      p.drawRoundedRect(QRectF(40, 26, 60, 34), 8, 8);
      p.setBrush(QColor(50, 50, 50));
      p.drawEllipse(QPointF(44, 92), 14, 14);
      p.drawEllipse(QPointF(100, 92), 14, 14);
      break;
  }
}

// The completion screen's 1024 x 768 background: a calm sky, a light card behind the
// student's figures and a little confetti around the edges, away from the texts.
QImage completionBackground() {
  QImage image(1024, 768, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 768);
  sky.setColorAt(0, QColor(196, 226, 255));
  sky.setColorAt(0.55, QColor(236, 246, 255));
  sky.setColorAt(1, QColor(255, 244, 214));
  p.fillRect(image.rect(), sky);
  // Gentle hills along the bottom.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(176, 224, 168));
  p.drawEllipse(QRectF(-200, 690, 760, 260));
  p.setBrush(QColor(150, 208, 150));
  p.drawEllipse(QRectF(480, 700, 800, 240));
  // The card under the name, time and points.
  p.setBrush(QColor(255, 255, 255, 215));
  p.setPen(QPen(QColor(150, 180, 225), 3));
  p.drawRoundedRect(QRectF(30, 122, 964, 462), 28, 28);
  // Confetti and stars in the margins.
  const std::array<QColor, 6> colours{QColor(255, 120, 120), QColor(255, 190, 60),
                                      QColor(120, 200, 120), QColor(100, 160, 255),
                                      QColor(200, 130, 230), QColor(255, 150, 200)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 46; ++i) {
    const double x = std::fmod(i * 223.0 + 37, 1010.0) + 7;
    const double y = i % 2 == 0 ? 6 + std::fmod(i * 13.0, 14.0) : 744 + std::fmod(i * 29.0, 16.0);
    p.setBrush(colours[static_cast<std::size_t>(i) % colours.size()]);
    if (i % 3 == 0) {
      p.drawEllipse(QPointF(x, y), 5, 5);
    } else {
      p.save();
      p.translate(x, y);
      p.rotate(i * 37.0);
      p.drawRect(QRectF(-6, -3, 12, 6));
      p.restore();
    }
  }
  const auto star = [&p](QPointF centre, double radius, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
      const double r = i % 2 == 0 ? radius : radius * 0.42;
      const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
      const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
      i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    path.closeSubpath();
    p.setBrush(colour);
    p.setPen(QPen(colour.darker(130), 2));
    p.drawPath(path);
  };
  star({60, 690}, 34, QColor(255, 210, 60));
  star({964, 690}, 34, QColor(255, 210, 60));
  star({130, 736}, 18, QColor(255, 160, 90));
  star({894, 736}, 18, QColor(255, 160, 90));
  return image;
}

QString rosterText(QDate today) {
  // Grades follow from the school year that begins in April.
  const int schoolYear = today.month() < 4 ? today.year() - 1 : today.year();
  static const std::array<const char*, 14> family{"青木", "石田", "上野", "大川", "加藤",
                                                  "木村", "小林", "佐野", "高橋", "中村",
                                                  "林",   "松本", "森",   "山口"};
  static const std::array<const char*, 14> given{"はると", "ゆい",   "そうた", "さくら", "れん",
                                                 "ひなた", "みお",   "こうき", "あおい", "ゆうと",
                                                 "りこ",   "かいと", "めい",   "たくみ"};
  QString text;
  int number = 1;
  for (int i = 0; i < 40; ++i) {
    const int grade = i / 5 + 1;  // 小１ .. 中２, five children each
    const int baseYear = schoolYear - grade - 6;
    const QString name = QString::fromUtf8(family[i % family.size()]) + QStringLiteral("　") +
                         QString::fromUtf8(given[(3 + i + 5 * (i / family.size())) % given.size()]);
    text += formatLine({QString::number(number++), QString::number(baseYear), QStringLiteral("0"),
                        QStringLiteral("0"), name, QStringLiteral("0"), QString(), QString()});
  }
  // Two kindergarten children, one pupil who has left (status 1) and the teacher.
  text += formatLine({QStringLiteral("41"), QString::number(schoolYear - 6), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("野口　ひかり"), QStringLiteral("0"),
                      QString(), QString()});
  text += formatLine({QStringLiteral("42"), QString::number(schoolYear - 5), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("原田　そら"), QStringLiteral("0"),
                      QString(), QString()});
  text += formatLine({QStringLiteral("43"), QString::number(schoolYear - 15), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("藤井　けんた"), QStringLiteral("1"),
                      QString(), QString()});
  text += formatLine({QStringLiteral("100"), QString::number(schoolYear - 40), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("先生"), QStringLiteral("0"), QString(),
                      QString()});
  return text;
}

QString criteriaText() {
  QString text =
      QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\r\n");
  // target, minimum, clear points, clear count, factor, overdo count and points, pass and
  // overdoing windows in days.
  const std::array<const char*, 5> rows{
      "25,60,40,5,1,15,200,14,1,,,", "25,60,40,5,1,15,200,14,1,,,", "30,70,40,5,1,15,200,14,1,,,",
      "45,100,40,5,1.2,12,200,14,1,,,", "50,120,40,5,1.5,10,200,14,1,,,"};
  for (const char* row : rows) {
    text += QString::fromUtf8(row) + QStringLiteral("\r\n");
  }
  return text;
}

QString soundTableText() {
  return QStringLiteral(
      "正解音1\r\nピンポン\r\n*\r\n"
      "正解音2\r\nピンポン\r\nせいかい\r\n*\r\n"
      "間違い音1\r\nブブー\r\n*\r\n"
      "間違い音2\r\nブブー\r\n*\r\n"
      "自己最高音2\r\nじこベスト\r\n*\r\n"
      "不合格音1\r\nざんねん\r\n*\r\n");
}

}  // namespace

DemoLayout demoLayout(const QString& root) {
  const QString r = QDir::cleanPath(root);
  return {r, r + QStringLiteral("/tavelo"), r + QStringLiteral("/data/"),
          r + QStringLiteral("/data/tavelo/"), r + QStringLiteral("/起動/プログラムメニューc.exe")};
}

QByteArray makeWav(std::initializer_list<Note> notes) {
  constexpr int rate = 22050;
  QByteArray samples;
  for (const Note& note : notes) {
    const int count = rate * note.ms / 1000;
    for (int i = 0; i < count; ++i) {
      // A short fade at both ends keeps the notes from clicking.
      const double fade = std::min({1.0, i / 200.0, (count - i) / 200.0});
      const double v =
          note.frequency <= 0
              ? 0
              : std::sin(2 * std::numbers::pi * note.frequency * i / rate) * 0.4 * fade;
      const auto s = static_cast<qint16>(v * 32767);
      samples.append(static_cast<char>(s & 0xff));
      samples.append(static_cast<char>((s >> 8) & 0xff));
    }
  }
  QByteArray wav;
  const auto u32 = [&wav](quint32 v) {
    for (int i = 0; i < 4; ++i) wav.append(static_cast<char>((v >> (8 * i)) & 0xff));
  };
  const auto u16 = [&wav](quint16 v) {
    wav.append(static_cast<char>(v & 0xff));
    wav.append(static_cast<char>(v >> 8));
  };
  wav.append("RIFF");
  u32(36 + static_cast<quint32>(samples.size()));
  wav.append("WAVEfmt ");
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  wav.append("data");
  u32(static_cast<quint32>(samples.size()));
  wav.append(samples);
  return wav;
}

Status writeGif(const QString& path, const QImage& image) {
  const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
  const QList<QRgb> table = indexed.colorTable();
  int bits = 1;
  while ((1 << bits) < table.size()) ++bits;
  ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
  if (map == nullptr) return Error{QStringLiteral("GIF を作れません: ") + path};
  for (int i = 0; i < (1 << bits); ++i) {
    const QRgb c = i < table.size() ? table[i] : 0;
    map->Colors[i] =
        GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                     static_cast<GifByteType>(qBlue(c))};
  }
  int error = 0;
  GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
  bool ok =
      gif != nullptr &&
      EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map) == GIF_OK &&
      EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < indexed.height(); ++y) {
    ok = EGifPutLine(gif, const_cast<GifByteType*>(indexed.constScanLine(y)), indexed.width()) ==
         GIF_OK;
  }
  if (gif != nullptr) ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  GifFreeMapObject(map);
  return ok ? Status{} : Status{Error{QStringLiteral("GIF を書けません: ") + path}};
}

Status createDemoInstallation(const QString& root, const QString& executable, QDate today,
                              const QString& programMenu) {
  const DemoLayout layout = demoLayout(root);
  const QString soundFolder = layout.dataRoot + storage::soundFolderName() + u'/';
  for (const QString& folder : {layout.programFolder, layout.programDataFolder, soundFolder}) {
    if (!QDir().mkpath(folder)) return Error{QStringLiteral("フォルダを作れません: ") + folder};
  }
  QStringList pathItems{layout.dataRoot};
  for (int i = 2; i <= 10; ++i) pathItems.append(QString());
  QString pathFile;
  for (const QString& item : pathItems) pathFile += formatLine({item});
  const std::array<std::pair<QString, QString>, 6> texts{{
      {layout.root + u'/' + storage::pathFileName(), pathFile},
      {layout.dataRoot + storage::sharedConfigFileName(),
       formatLine({QStringLiteral("4")}) + formatLine({QStringLiteral("12345みどり教室")}) +
           formatLine({QStringLiteral("0")}) + formatLine({QStringLiteral("0")}) +
           formatLine({QStringLiteral("0")}) + formatLine({QStringLiteral("1234")}) +
           formatLine({QString()}) + formatLine({QString()}) + formatLine({QString()}) +
           formatLine({QString()})},
      {layout.dataRoot + storage::rosterFileName(), rosterText(today)},
      {soundFolder + storage::soundTableFileName(), soundTableText()},
      {layout.programDataFolder + storage::criteriaFileName(), criteriaText()},
      {layout.programFolder + QStringLiteral("/プロト.csv"), worksheetSourceText()},
  }};
  for (const auto& [path, text] : texts) {
    if (Status s = writeText(path, text)) return s;
  }
  if (Status s = writeBytes(layout.programDataFolder + storage::resultsFileName(), {})) return s;

  const std::array<std::pair<const char*, QByteArray>, 7> sounds{{
      {"ピンポン", makeWav({{880, 150}, {660, 250}})},
      {"せいかい", makeWav({{523, 120}, {659, 120}, {784, 200}})},
      {"ブブー", makeWav({{180, 400}})},
      {"じこベスト", makeWav({{523, 120}, {659, 120}, {784, 120}, {1047, 300}})},
      {"ざんねん", makeWav({{392, 200}, {330, 200}, {262, 350}})},
      {"最高1", makeWav({{784, 120}, {988, 120}, {1175, 120}, {1568, 400}})},
      {"合格", makeWav({{523, 150}, {0, 50}, {523, 150}, {784, 400}})},
  }};
  for (const auto& [stem, wav] : sounds) {
    if (Status s =
            writeBytes(soundFolder + QString::fromUtf8(stem) + QStringLiteral(".wav"), wav)) {
      return s;
    }
  }
  for (int i = 1; i <= 10; ++i) {
    QImage image(144, 128, QImage::Format_RGB32);
    QPainter painter(&image);
    drawPicture(painter, i);
    painter.end();
    if (Status s = writeGif(layout.programFolder + QStringLiteral("/a%1.gif").arg(i), image)) {
      return s;
    }
  }
  // Read by the completion screen; its name is the one the screen looks for.
  const QString background = layout.programFolder + QStringLiteral("/終了背景.png");
  if (!completionBackground().save(background, "PNG")) {
    return Error{QStringLiteral("絵を書けません: ") + background};
  }
  if (!executable.isEmpty()) {
    QStringList programs{executable};
    // The worksheet program is built beside the program and installed with it.
    const QString worksheets =
        QFileInfo(executable).absolutePath() + QStringLiteral("/tavelo-worksheets");
    if (QFileInfo(worksheets).isExecutable()) programs.append(worksheets);
    for (const QString& program : programs) {
      const QString target =
          layout.programFolder + QStringLiteral("/") + QFileInfo(program).fileName();
      QFile::remove(target);
      if (!QFile::copy(program, target)) {
        return Error{QStringLiteral("プログラムを置けません: ") + target};
      }
    }
  }
  if (!programMenu.isEmpty()) {
    const QString menuFolder = QFileInfo(layout.programMenu).absolutePath();
    QFile::remove(layout.programMenu);
    if (!QDir().mkpath(menuFolder) || !QFile::copy(programMenu, layout.programMenu)) {
      return Error{QStringLiteral("プログラムメニューを置けません: ") + layout.programMenu};
    }
  }
  return std::nullopt;
}

}  // namespace tavelo::demo
