#include "shell/frmSplash.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/Centre.h"
#include "shell/Pictures.h"

namespace gavlin {

frmSplash::frmSplash(std::function<void()> showMain, int timerMs, int waitMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), showMain_(std::move(showMain)), waitMs_(waitMs) {
    setObjectName("frmSplash");
    auto* picture = new QLabel(this);
    picture->setObjectName("imgLogo");
    picture->setPixmap(Picture("logo", QSize(128, 128)));

    auto* name = new QLabel("Gavlin", this);
    name->setObjectName("lblProductName");
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* line = new QLabel("World Wide Web Auction System", this);
    line->setObjectName("lblTitle");
    auto* version = new QLabel("Gavlin Version 1.0 32 bit for Windows 95/98/NT", this);
    version->setObjectName("lblVersion");

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(name);
    texts->addWidget(line);
    texts->addSpacing(12);
    texts->addWidget(version);
    texts->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(24);
    layout->addWidget(picture);
    layout->addLayout(texts);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#frmSplash { border: 2px solid #1f3b5c; background: #f4f7fb; }");

    timer1 = new QTimer(this);
    timer1->setObjectName("timer1");
    timer1->setInterval(timerMs);
    timer1->setTimerType(Qt::PreciseTimer);  // a coarse timer may fire a little early
    connect(timer1, &QTimer::timeout, this, &frmSplash::timer1_Timer);
    CentreOnScreen(this);
}

void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fired_ && !timer1->isActive()) timer1->start();
}

// Runs once: the splash stays up, painted and responsive, until the wait is
// over, then the main window takes its place.
void frmSplash::timer1_Timer() {
    if (fired_) return;
    fired_ = true;
    timer1->stop();
    QPointer<frmSplash> self(this);
    QElapsedTimer started;
    started.start();
    while (self && started.elapsed() < waitMs_) {
        QEventLoop wait;
        QTimer::singleShot(static_cast<int>(std::max<qint64>(0, waitMs_ - started.elapsed())), &wait,
                           &QEventLoop::quit);
        connect(this, &QObject::destroyed, &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (!self) return;
    if (showMain_) showMain_();
    close();
}

}  // namespace gavlin
