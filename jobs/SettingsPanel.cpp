#include "jobs/SettingsPanel.h"

#include "jobs/LinkLabel.h"
#include "jobs/core/SettingsChoices.h"
#include "platform/Fonts.h"
#include "skin/Twips.h"

#include <QComboBox>
#include <QMouseEvent>

namespace {

struct CaptionPlace {
    int number;
    const char *caption;
    int left, top, width, height;
    bool title;
};

const CaptionPlace Captions[] = {
    {2, "AVI Settings:", 90, 30, 1230, 210, true},
    {4, "Frame Rate (FPS):", 90, 210, 1500, 210, false},
    {3, "Screen Size (Width x Height):", 2640, 210, 2460, 210, false},
    {6, "WMV Settings:", 90, 870, 1365, 210, true},
    {7, "Frame Rate (FPS):", 90, 1050, 1500, 210, false},
    {8, "Screen Size (Width x Height):", 2640, 1050, 2460, 210, false},
    {9, "MOV Settings:", 90, 1710, 1320, 210, true},
    {10, "Screen Size (W x H):", 90, 1890, 1725, 210, false},
    {11, "MP4 Settings:", 90, 2580, 1305, 210, true},
    {1, "Video Bitrate (Kbps):", 90, 2790, 1725, 210, false},
    {12, "Frame Rate (FPS):", 2640, 2790, 1500, 210, false},
    {13, "Screen Size (Width x Height):", 5400, 2790, 2460, 210, false},
    {15, "3GP Settings:", 90, 3450, 1260, 210, true},
    {5, "Audio Bitrate (Kbps):", 6360, 3630, 1725, 210, false},
    {14, "Video Bitrate (Kbps):", 90, 3660, 1725, 210, false},
    {16, "Frame Rate (FPS):", 1980, 3660, 1500, 210, false},
    {17, "Screen Size (Width x Height):", 3660, 3660, 2460, 210, false},
};

struct BoxPlace {
    QComboBox *SettingsPanel::*box;
    int left, top, width;
};

// In reset order, matching the choices table.
const BoxPlace Boxes[] = {
    {&SettingsPanel::cmbFPSAVI, 60, 450, 2415},     {&SettingsPanel::cmbSizeAVI, 2610, 450, 2595},
    {&SettingsPanel::cmbFPSWMV, 60, 1290, 2415},    {&SettingsPanel::cmbSizeWMV, 2610, 1290, 2595},
    {&SettingsPanel::cmbSizeMOV, 60, 2130, 2415},   {&SettingsPanel::cmbVBRMP4, 60, 3030, 2415},
    {&SettingsPanel::cmbFPSMP4, 2610, 3030, 2595},  {&SettingsPanel::cmbSizeMP4, 5370, 3030, 2985},
    {&SettingsPanel::cmbVBR3GP, 60, 3900, 1785},    {&SettingsPanel::cmbFPS3GP, 1950, 3900, 1575},
    {&SettingsPanel::cmbSize3GP, 3630, 3900, 2595}, {&SettingsPanel::cmbAB3GP, 6330, 3900, 2025},
};
constexpr int BoxHeight = 330;

void writeSetting(QComboBox *box, const QString &text)
{
    if (!box)
        return;
    // Picks the item when the text is one, so the list opens on it.
    const int index = box->findText(text, Qt::MatchExactly);
    if (index >= 0)
        box->setCurrentIndex(index);
    box->setEditText(text);
}

} // namespace

SettingsPanel::SettingsPanel(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFont(Fonts::tahoma(false));
    setMouseTracking(true);
    createCaptions();
    createBoxes();
    createLinks();
}

void SettingsPanel::createCaptions()
{
    for (const CaptionPlace &place : Captions) {
        auto *label = new QLabel(QString::fromLatin1(place.caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(place.number));
        label->setGeometry(twipRect(place.left, place.top, place.width, place.height));
        label->setFont(Fonts::tahoma(place.title));
        // From the top, so a line a pixel taller than its caption loses only descender tips.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(black);
        Label[place.number] = label;
    }
}

void SettingsPanel::createBoxes()
{
    const auto &table = SettingsChoices::settings();
    for (size_t i = 0; i < table.size(); ++i) {
        const BoxPlace &place = Boxes[i];
        auto *box = new QComboBox(this);
        box->setObjectName(table[i].box);
        box->setEditable(true);
        // Typing sets the text only; the lists are fixed.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // no inline completion while typing
        box->addItems(table[i].choices);
        box->setMaxVisibleItems(table[i].choices.size());
        box->setGeometry(twipRect(place.left, place.top, place.width, BoxHeight));
        this->*place.box = box;
    }
}

void SettingsPanel::createLinks()
{
    auto link = [this](const char *name, const char *caption, int left, int width) {
        auto *label = new LinkLabel(QString::fromLatin1(caption), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(Fonts::tahoma(true, true));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twipRect(left, 4440, width, 210));
        return label;
    };
    lblDefault = link("lblDefault", "Default", 6090, 675);
    lblOk = link("lblOk", "OK", 7110, 255);
    lblCancel = link("lblCancel", "Cancel", 7695, 585);

    connect(lblDefault, &LinkLabel::clicked, this, [this] { lblDefault_Click(); });
    connect(lblOk, &LinkLabel::clicked, this, [this] { lblOk_Click(); });
    connect(lblCancel, &LinkLabel::clicked, this, [this] { lblCancel_Click(); });
    connect(lblDefault, &LinkLabel::mouseMoved, this, [this] { lblDefault_MouseMove(); });
    connect(lblOk, &LinkLabel::mouseMoved, this, [this] { lblOk_MouseMove(); });
    connect(lblCancel, &LinkLabel::mouseMoved, this, [this] { lblCancel_MouseMove(); });
}

void SettingsPanel::ResetSettings()
{
    const auto &table = SettingsChoices::settings();
    for (size_t i = 0; i < table.size(); ++i)
        writeSetting(this->*Boxes[i].box, table[i].byDefault);
}

void SettingsPanel::lblDefault_Click() { ResetSettings(); }

void SettingsPanel::lblOk_Click() { hide(); }

void SettingsPanel::lblCancel_Click()
{
    lblDefault_Click();
    hide();
}

void SettingsPanel::lblDefault_MouseMove() { lblDefault->setTextColour(QColor(0, 0, 255)); }

void SettingsPanel::lblOk_MouseMove() { lblOk->setTextColour(QColor(0, 0, 255)); }

void SettingsPanel::lblCancel_MouseMove() { lblCancel->setTextColour(QColor(0, 0, 255)); }

void SettingsPanel::picSetting_MouseMove()
{
    lblCancel->setTextColour(Qt::black);
    lblOk->setTextColour(Qt::black);
    lblDefault->setTextColour(Qt::black);
}

QString SettingsPanel::SettingPiece(const QComboBox *box)
{
    return box ? box->currentText().trimmed() : QString();
}

void SettingsPanel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    // Moves over a caption or a box are theirs, not the panel's.
    if (childAt(event->position().toPoint()))
        return;
    picSetting_MouseMove();
}
