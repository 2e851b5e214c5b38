#include "pages/radio/SensorIpSettingsWidget.h"

#include "pages/radio/PrivateBytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVersionNumber>

namespace {
constexpr int HysteresisByte = 0;
constexpr int MinByte = 2;
constexpr int MaxByte = 4;
constexpr int ModeByte = 6;
constexpr int CaseOpenByte = 8;
} // namespace

SensorIpSettingsWidget::SensorIpSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("ipSettings"));
    resize(400, 300);
    setWindowTitle(tr("Form"));
    auto *form = new QFormLayout(this);
    const auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    const auto spin = [this](const char *name, double minimum, double maximum) {
        auto *box = new QDoubleSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(minimum, maximum);
        return box;
    };
    leTemp = new QLineEdit(this);
    leTemp->setObjectName(QStringLiteral("leTemp"));
    leTemp->setReadOnly(true);
    cbEvtMode = new QComboBox(this);
    cbEvtMode->setObjectName(QStringLiteral("cbEvtMode"));
    cbEvtMode->addItems(
        {tr("no temp events"), tr("high level"), tr("low level"), tr("high & low level")});
    dsbMaxTempTh = spin("dsbMaxTempTh", -30.0, 55.0);
    dsbMinTempTh = spin("dsbMinTempTh", -30.0, 55.0);
    dsbTempHyst = spin("dsbTempHyst", 1.0, 20.0);
    cbCaseOpenCheck = new QCheckBox(tr("Case open check"), this);
    cbCaseOpenCheck->setObjectName(QStringLiteral("cbCaseOpenCheck"));
    form->addRow(label("labTemp", tr("Temperature:")), leTemp);
    form->addRow(label("labEvtMode", tr("Events mode:")), cbEvtMode);
    form->addRow(label("labMaxEvtTh", tr("Max evt threshold:")), dsbMaxTempTh);
    form->addRow(label("labMinEvtTh", tr("Min evt threshold:")), dsbMinTempTh);
    form->addRow(label("labTempHyst", tr("Temp hysteresis:")), dsbTempHyst);
    form->addRow(cbCaseOpenCheck);
    setTabOrder(leTemp, cbEvtMode);
    setTabOrder(cbEvtMode, dsbMaxTempTh);
    setTabOrder(dsbMaxTempTh, dsbMinTempTh);
    setTabOrder(dsbMinTempTh, dsbTempHyst);
    connect(cbEvtMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SensorIpSettingsWidget::onEvtModeChanged);
    m_unshown.watch(this, cbEvtMode);
    dsbMaxTempTh->setEnabled(false);
    dsbMinTempTh->setEnabled(false);
    dsbTempHyst->setEnabled(false);
}

void SensorIpSettingsWidget::onEvtModeChanged(int mode)
{
    if (mode < 0 || mode > 3)
        return;
    const bool high = mode == 1 || mode == 3;
    const bool low = mode == 2 || mode == 3;
    dsbMaxTempTh->setEnabled(high);
    dsbMinTempTh->setEnabled(low);
    dsbTempHyst->setEnabled(mode != 0);
}

void SensorIpSettingsWidget::updateWidget()
{
    if (!device)
        return;
    qint16 temperature = 0;
    std::memcpy(&temperature, device->status().privateData.raw, sizeof(temperature));
    leTemp->setText(QString::number(temperature / 100.0, 'g', 6));
    const u_RFDevPrivateSettings area = device->privateSettings();
    m_unshown.clear();
    const quint16 mode = PrivateBytes::get<quint16>(area, ModeByte);
    cbEvtMode->setCurrentIndex(mode < cbEvtMode->count() ? mode : -1);
    if (mode >= cbEvtMode->count())
        m_unshown.keep(cbEvtMode, mode);
    dsbMaxTempTh->setValue(PrivateBytes::get<qint16>(area, MaxByte) / 100.0);
    dsbMinTempTh->setValue(PrivateBytes::get<qint16>(area, MinByte) / 100.0);
    dsbTempHyst->setValue(PrivateBytes::get<qint16>(area, HysteresisByte) / 100.0);
    const bool caseOpen = device->firmwareVersion() >= QVersionNumber(1, 29);
    cbCaseOpenCheck->setChecked(caseOpen && (area.raw[CaseOpenByte] & 0x01));
    cbCaseOpenCheck->setVisible(caseOpen);
}

void SensorIpSettingsWidget::saveSettings()
{
    if (!device)
        return;
    // Bytes the panel does not show (the fire-alarm class and temperature among them) keep
    // their stored values, and so does the case-open bit where the device has no such check.
    u_RFDevPrivateSettings area = device->privateSettings();
    PrivateBytes::put<quint16>(
        area, ModeByte, quint16(m_unshown.value(cbEvtMode, quint32(cbEvtMode->currentIndex()))));
    PrivateBytes::put<qint16>(area, MaxByte, PrivateBytes::hundredths(dsbMaxTempTh->value()));
    PrivateBytes::put<qint16>(area, MinByte, PrivateBytes::hundredths(dsbMinTempTh->value()));
    PrivateBytes::put<qint16>(area, HysteresisByte, PrivateBytes::hundredths(dsbTempHyst->value()));
    if (!cbCaseOpenCheck->isHidden())
        area.raw[CaseOpenByte] = cbCaseOpenCheck->isChecked() ? 0x01 : 0x00;
    device->setPrivateSettings(area);
}
