#include "window/frmMain.h"

#include "jobs/BusyCell.h"
#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "platform/Fonts.h"
#include "skin/Skin.h"
#include "window/ImageArea.h"
#include "window/frmPop.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

namespace {

QLabel *runLabel(QWidget *parent, const QString &caption, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->hide();
    return label;
}

} // namespace

frmMain::frmMain(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Morvane Converter"));
    setWindowIcon(Skin::windowIcon());
    setFixedSize(twips(Layout::ClientWidth), twips(Layout::ClientHeight));
    setFont(Fonts::tahoma());
    setMouseTracking(true);
    skin_ = Skin::background();
    createControls();
    connectHandlers();
    registerMainWindow(this);
}

frmMain::~frmMain() { unregisterMainWindow(this); }

void frmMain::createControls()
{
    lstShell = new QListWidget(this);
    lstShell->setGeometry(Layout::pixels(Layout::lstShell));
    lstShell->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);

    menuMsg = new QLineEdit(this);
    menuMsg->setGeometry(Layout::pixels(Layout::menuMsg));
    menuMsg->setText(QStringLiteral("b0"));
    menuMsg->hide();

    lblFileNo = runLabel(this, QStringLiteral("0 file(s) left"), Layout::pixels(Layout::lblFileNo));
    lblConverting = runLabel(this, QStringLiteral("Converting..."), Layout::pixels(Layout::lblConverting));

    for (int i = 0; i < 10; ++i) {
        SP[i] = new BusyCell(this);
        SP[i]->setGeometry(Layout::pixels(Layout::SP(i)));
        SP[i]->hide();
    }

    imgExit = new ImageArea(this);
    imgExit->setGeometry(Layout::pixels(Layout::imgExit));
    imgExit->setToolTip(QStringLiteral("Exit"));
    imgExit->setCursor(Skin::handCursor());

    imgMenuPush = Skin::menuPush();
    imgMenuMove = Skin::menuHover();
    for (int i = 0; i < 4; ++i) {
        imgMenu[i] = new ImageArea(this);
        imgMenu[i]->setGeometry(Layout::pixels(Layout::imgMenu(i)));
    }

    imgButtonPush = Skin::buttonPush();
    imgButtonData = Skin::buttonHover();
    for (int i = 0; i < 6; ++i) {
        imgButton[i] = new ImageArea(this);
        imgButton[i]->setGeometry(Layout::pixels(Layout::imgButton(i)));
    }

    // The list and the panel are windows of their own: above everything drawn
    // on the window, the panel above the list.
    LV = new FileListView(this);
    LV->setGeometry(Layout::pixels(Layout::LV));
    LV->hide();

    picSetting = new SettingsPanel(this);
    picSetting->setGeometry(Layout::pixels(Layout::picSetting));
    picSetting->hide();
}

void frmMain::connectHandlers()
{
    for (int i = 0; i < 6; ++i) {
        const auto index = qint16(i);
        ImageArea *button = imgButton[i];
        connect(button, &ImageArea::mouseDown, this,
                [this, index](int b) { imgButton_MouseDown(index, qint16(b), 0, 0, 0); });
        connect(button, &ImageArea::mouseMove, this,
                [this, index] { imgButton_MouseMove(index, 0, 0, 0, 0); });
        connect(button, &ImageArea::mouseUp, this,
                [this, index](int b) { imgButton_MouseUp(index, qint16(b), 0, 0, 0); });
    }
    for (int i = 0; i < 4; ++i) {
        const auto index = qint16(i);
        ImageArea *title = imgMenu[i];
        connect(title, &ImageArea::mouseDown, this,
                [this, index](int b) { imgMenu_MouseDown(index, qint16(b), 0, 0, 0); });
        connect(title, &ImageArea::mouseMove, this, [this, index] { imgMenu_MouseMove(index, 0, 0, 0, 0); });
        connect(title, &ImageArea::mouseUp, this,
                [this, index](int b) { imgMenu_MouseUp(index, qint16(b), 0, 0, 0); });
    }
    connect(imgExit, &ImageArea::clicked, this, [this] { imgExit_Click(); });
    // Connected after the design text is in place: creating the window runs no command.
    connect(menuMsg, &QLineEdit::textChanged, this, [this] { menuMsg_Change(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmMain::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, skin_);
}

// The bare background: drawn skin under no visible control. Presses and moves
// that a control passes on to its parent (labels, busy cells, the list's
// frame) belong to that control, not to the window.
bool frmMain::isBareBackground(const QPoint &pos) const
{
    if (!rect().contains(pos) || childAt(pos))
        return false;
    return !skin_.valid(pos) || skin_.pixel(pos) != Layout::KeyColour;
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!isBareBackground(event->position().toPoint()))
        return;
    dragOffset_ = event->globalPosition().toPoint() - pos();
    Form_MouseDown(qint16(mouseButtonNumber(event->button())), 0, 0, 0);
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    // A release that went elsewhere (a popup, the window manager) still ends the move.
    if (followingPointer_ && event->buttons() == Qt::NoButton)
        followingPointer_ = false;
    if (followingPointer_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    if (isBareBackground(event->position().toPoint()))
        Form_MouseMove(0, 0, 0, 0);
}

void frmMain::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->buttons() == Qt::NoButton)
        followingPointer_ = false;
}
