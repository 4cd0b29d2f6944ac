#pragma once
// A caption that acts on a click: hand pointer, no keyboard focus, and a
// text colour its owner sets.

#include <QColor>
#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &caption, QWidget *parent = nullptr);

    void setTextColour(const QColor &colour);
    QColor textColour() const;

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
