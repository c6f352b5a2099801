#include "shell/Pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

// The drawings live in a static library, whose resources must be registered by hand.
static void RegisterPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace gavlin {

QPixmap Picture(const QString& name, QSize size) {
    static const bool registered = (RegisterPictures(), true);
    (void)registered;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

PictureControl::PictureControl(const QString& pictureName, QSize size, QWidget* parent)
    : PictureControl(Picture(pictureName, size), parent) {}

PictureControl::PictureControl(const QPixmap& picture, QWidget* parent) : QLabel(parent), picture_(picture) {
    setPixmap(picture_);
    setFixedSize(picture_.size());
    setMouseTracking(true);
}

void PictureControl::setAvailable(bool available) {
    if (available) {
        setPixmap(picture_);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    setPixmap(style()->generatedIconPixmap(QIcon::Disabled, picture_, &option));
}

void PictureControl::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release over the picture, as with any button.
void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace gavlin
