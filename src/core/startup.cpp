#include "core/startup.h"

#include "core/geometry.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "core/version.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/random.h"
#include "platform/services.h"

#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace tavelo {

namespace {

// The 640 x 480 splash picture, drawn rather than shipped.
QPixmap splashPicture(const QString& title) {
  QPixmap pixmap(640, 480);
  QPainter p(&pixmap);
  QLinearGradient sky(0, 0, 0, 480);
  sky.setColorAt(0, QColor(120, 190, 255));
  sky.setColorAt(1, QColor(255, 245, 200));
  p.fillRect(pixmap.rect(), sky);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colours[] = {QColor(255, 120, 120), QColor(255, 200, 80), QColor(120, 220, 140),
                            QColor(150, 150, 255)};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(colours[i]);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(140 + i * 120, 300), 45, 45);
    p.setPen(Qt::white);
    p.setFont(gothicFont(28));
    p.drawText(QRect(95 + i * 120, 255, 90, 90), Qt::AlignCenter, QString::number(i + 1));
  }
  p.setPen(QColor(40, 60, 120));
  p.setFont(gothicFont(48));
  p.drawText(QRect(0, 80, 640, 120), Qt::AlignCenter, title);
  return pixmap;
}

}  // namespace

QColor seasonColourForMonth(int month) {
  switch (month) {
    case 1:
    case 2:
      return {255, 128, 0};
    case 6:
    case 7:
    case 8:
      return {0, 192, 192};
    case 9:
    case 10:
    case 11:
      return {192, 64, 0};
    default:  // 3, 4, 5 and 12
      return {192, 255, 192};
  }
}

QString versionText() {
  return QStringLiteral("Version%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
}

Firstfrm::Firstfrm(SharedState& state, platform::Services& services, std::function<void()> handOver,
                   QWidget* parent)
    : QWidget(parent),
      state_(state),
      services_(services),
      handOver_(std::move(handOver)),
      label5_(new QLabel(this)),
      timer1_(new QTimer(this)) {
  setObjectName(QStringLiteral("Firstfrm"));
  setWindowTitle(QStringLiteral("Tavelo"));
  setFixedSize(640, 560);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setGeometry(0, 0, 640, 480);
  picture->setPixmap(splashPicture(QStringLiteral("Tavelo")));
  auto* label1 = new QLabel(QStringLiteral("Just a moment, please."), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setGeometry(20, 490, 300, 30);
  label1->setFont(gothicFont(14));
  label5_->setObjectName(QStringLiteral("Label5"));
  label5_->setGeometry(320, 490, 300, 30);
  label5_->setFont(gothicFont(14));
  label5_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(100);
  timer1_->setSingleShot(false);
  connect(timer1_, &QTimer::timeout, this, [this] { onTimer(); });
}

void Firstfrm::startUp() {
  show();
  services_.events.processPending();
  const QDateTime now = services_.clock.now();
  services_.random.seed(static_cast<std::uint32_t>(platform::secondsSinceMidnight(now.time())));
  label5_->setText(platform::eraDateText(now.date()));
  state_.seasonColour = seasonColourForMonth(now.date().month());
  services_.events.processPending();
  timer1_->start();
}

void Firstfrm::onTimer() {
  // Stopped first, so the hand-over runs once even if it takes longer than the interval.
  timer1_->stop();
  handOver_();
}

BASEFRM::BASEFRM(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BASEFRM"));
  setWindowTitle(QStringLiteral("Tavelo"));
  resize(480, 160);
  auto* label = new QLabel(QStringLiteral("Just a moment, please."), this);
  label->setObjectName(QStringLiteral("Label19"));
  label->setAlignment(Qt::AlignCenter);
  label->setFont(gothicFont(26.25));
  label->setGeometry(rect());
}

frmver::frmver(const SharedState& state, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmver"));
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  setFixedSize(twips(6000), twips(3600));
  const auto addLabel = [this](const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
  };
  addLabel("Label1", state.programTitle, twipRect(600, 300, 4800, 500))->setFont(gothicFont(18));
  addLabel("Label2", versionText(), twipRect(600, 900, 4800, 400));
  addLabel("Label4", QStringLiteral("Palvenor"), twipRect(600, 1400, 4800, 400));
  addLabel("Label5", QStringLiteral("順番を覚えて、順番どおりにクリックしよう。"),
           twipRect(600, 1900, 4800, 400));
  auto* ok = new QPushButton(QStringLiteral("O.K."), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(twipRect(2250, 2600, 1500, 500));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tavelo
