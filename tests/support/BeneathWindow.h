#pragma once
// A plain coloured window for the *_xtest programs to stand beneath the
// window under test and note the presses that reach it. Frameless and kept
// at the bottom, so that under a window manager it neither shifts by a frame
// nor rises over the window under test when a press lands on it.

#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include <vector>

class BeneathWindow : public QWidget {
public:
    static inline const QColor Colour{0, 160, 0};

    explicit BeneathWindow(const QRect &geometry)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
    {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Colour);
        setPalette(p);
        setGeometry(geometry);
    }

    std::vector<QPoint> presses; // global points

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        presses.push_back(event->globalPosition().toPoint());
    }
};
