#pragma once
// A transparent area over the skin that takes the mouse and shows a picture
// only while one is given to it.

#include <QPixmap>
#include <QWidget>

class ImageArea : public QWidget {
    Q_OBJECT
public:
    explicit ImageArea(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void clearPicture();
    bool hasPicture() const { return !picture_.isNull(); }
    const QPixmap &picture() const { return picture_; }

signals:
    void mouseDown(int button);
    void mouseMove();
    void mouseUp(int button);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap picture_;
};

// Mouse button numbers as the handlers receive them: 1 left, 2 right, 4 middle.
int mouseButtonNumber(Qt::MouseButton button);
