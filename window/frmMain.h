#pragma once
// The main window. Its controls and a few window-level variables hold all of
// the system's state; its handlers are spread over jobs/ and window/ by
// what they do.

#include "skin/Layout.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>

class BusyCell;
class ConversionRun;
class FileListView;
class ImageArea;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
class SettingsPanel;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // Where the menu titles stand, in twips; they never move.
    static constexpr const auto &MenuLeft = Layout::MenuLeft;
    static constexpr int MenuTop = Layout::MenuTop;

    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Controls, in the order the window defines them.
    QListWidget *lstShell = nullptr; // command holder of the run
    QTimer *Timer1 = nullptr;        // busy indicator's 500 ms timer
    QLineEdit *menuMsg = nullptr;    // command channel
    SettingsPanel *picSetting = nullptr;
    FileListView *LV = nullptr;
    QLabel *lblFileNo = nullptr;
    QLabel *lblConverting = nullptr;
    std::array<BusyCell *, 10> SP{};
    ImageArea *imgExit = nullptr;
    std::array<ImageArea *, 4> imgMenu{};
    std::array<QPixmap, 4> imgMenuPush;
    std::array<QPixmap, 4> imgMenuMove;
    std::array<QPixmap, 6> imgButtonPush;
    std::array<ImageArea *, 6> imgButton{};
    std::array<QPixmap, 6> imgButtonData;

    // Window-level variables.
    QRgb TransparentKey = 0;
    qint16 BusyStep = 0;
    bool CalledFromMenu = false;
    qint16 CurrentFileIndex = 0;
    QString HelpFile; // program-wide help-file path, set at start-up

    // Start-up, before the window first shows. False: another instance runs,
    // and the program has been ended.
    bool Form_Load();

    // Skinned window.
    void Form_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void Form_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void imgExit_Click();

    // Command dispatcher: the tool buttons' release handler.
    void imgButton_MouseUp(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);

    // Tool strip and menu titles.
    void imgButton_MouseDown(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void imgButton_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void imgMenu_MouseDown(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void imgMenu_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void imgMenu_MouseUp(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);

    // Command channel's receiving end.
    void menuMsg_Change();

    // The six commands.
    void AddCommand();      // 0
    void RemoveCommand();   // 1
    void ConvertCommand();  // 2
    void SettingsCommand(); // 3
    void HelpCommand();     // 4
    void ExitCommand();     // 5

    // Conversion run: the entries from CurrentFileIndex on.
    void ConvertNextFile();
    // Asked to end from outside (an ending signal): a run is ended cleanly
    // first and its wrap-up ends the program; otherwise it ends at once.
    void EndProgram();

    // Busy indicator.
    void ShowBusyIndicator();
    void StartBusyTimer();
    void HideBusyIndicator();
    void Timer1_Timer();

    const QImage &skinPicture() const { return skin_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    bool isBareBackground(const QPoint &pos) const;

    QImage skin_;
    // The run under way, while Convert runs.
    ConversionRun *run_ = nullptr;
    // Where the pointer took hold of the window while it follows the pointer itself.
    QPoint dragOffset_;
    bool followingPointer_ = false;
};
