#include "jobs/SettingsPanel.h"

#include <QComboBox>
#include <QMouseEvent>

SettingsPanel::SettingsPanel(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SettingsPanel::ResetSettings() {}
void SettingsPanel::lblDefault_Click() {}
void SettingsPanel::lblOk_Click() {}
void SettingsPanel::lblCancel_Click() {}
void SettingsPanel::lblDefault_MouseMove() {}
void SettingsPanel::lblOk_MouseMove() {}
void SettingsPanel::lblCancel_MouseMove() {}
void SettingsPanel::picSetting_MouseMove() {}

QString SettingsPanel::SettingPiece(const QComboBox *box)
{
    return box ? box->currentText().trimmed() : QString();
}

void SettingsPanel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    picSetting_MouseMove();
}
