#pragma once
// The pictures of the windows: SVG drawings in the resources, and the picture
// control that the main window uses as a button and as background tiles.
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace gavlin {

// Renders the drawing ":/pictures/<name>.svg" at the given size.
QPixmap Picture(const QString& name, QSize size);

// A picture with click and mouse-move events, as the main window needs them:
// mouse moves are reported without a button held, so the status text follows
// the pointer.
class PictureControl : public QLabel {
    Q_OBJECT
public:
    PictureControl(const QString& pictureName, QSize size, QWidget* parent = nullptr);
    explicit PictureControl(const QPixmap& picture, QWidget* parent = nullptr);

    // Greys the picture out while its command is not available.
    void setAvailable(bool available);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool pressed_ = false;
};

}  // namespace gavlin
