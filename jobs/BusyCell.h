#pragma once
// One square of the busy indicator: a solid fill with a one-pixel outline.

#include <QColor>
#include <QWidget>

class BusyCell : public QWidget {
public:
    explicit BusyCell(QWidget *parent = nullptr);
    void setFillColor(const QColor &colour);
    QColor fillColor() const { return fill_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fill_{128, 128, 255};
};
