#include "shell/frmGeneric.h"

#include <QApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/Latin1.h"

namespace gavlin {

frmGeneric::frmGeneric(QWidget* parent) : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("frmGeneric");
    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setMinimumWidth(360);
    panStatus = new QProgressBar(this);
    panStatus->setObjectName("panStatus");
    panStatus->setRange(0, 100);
    panStatus->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addWidget(panStatus);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect s = screen->geometry();
        move((s.width() - width()) / 2, (s.height() - height()) / 2);
    }
}

void frmGeneric::setStatus(const std::string& text) {
    lblStatus->setText(FromLatin1(text));
    lblStatus->repaint();
    QApplication::processEvents();
}

void frmGeneric::setPercent(int percent) {
    panStatus->setValue(percent < 0 ? 0 : percent > 100 ? 100 : percent);
    panStatus->repaint();
    QApplication::processEvents();
}

}  // namespace gavlin
