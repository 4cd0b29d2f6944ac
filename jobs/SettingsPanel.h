#pragma once
// The per-format settings panel. The twelve boxes' texts are the settings:
// there is no other copy of them.

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class LinkLabel;

class SettingsPanel : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget *parent = nullptr);

    // Writes the twelve defaults, in their fixed order; visibility untouched.
    void ResetSettings();

    void lblDefault_Click();
    void lblOk_Click();
    void lblCancel_Click();
    void lblDefault_MouseMove();
    void lblOk_MouseMove();
    void lblCancel_MouseMove();
    void picSetting_MouseMove();

    // A box's current text without its leading and trailing blanks.
    static QString SettingPiece(const QComboBox *box);

    QComboBox *cmbFPSAVI = nullptr;
    QComboBox *cmbSizeAVI = nullptr;
    QComboBox *cmbFPSWMV = nullptr;
    QComboBox *cmbSizeWMV = nullptr;
    QComboBox *cmbSizeMOV = nullptr;
    QComboBox *cmbVBRMP4 = nullptr;
    QComboBox *cmbFPSMP4 = nullptr;
    QComboBox *cmbSizeMP4 = nullptr;
    QComboBox *cmbVBR3GP = nullptr;
    QComboBox *cmbFPS3GP = nullptr;
    QComboBox *cmbSize3GP = nullptr;
    QComboBox *cmbAB3GP = nullptr;

    // Label1 .. Label17 at index 1 .. 17 (index 0 unused).
    std::array<QLabel *, 18> Label{};
    LinkLabel *lblDefault = nullptr;
    LinkLabel *lblOk = nullptr;
    LinkLabel *lblCancel = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createCaptions();
    void createBoxes();
    void createLinks();
};
