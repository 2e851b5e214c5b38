#include "pages/radio/SensorASRSettingsWidget.h"

#include "pages/radio/PrivateBytes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {
constexpr int Scale1Byte = 0;
constexpr int Scale2Byte = 4;
constexpr int PriceByte = 8;
constexpr int ModeByte = 12;
constexpr int Type1Byte = 13;
constexpr int Type2Byte = 14;
constexpr int FrequencyByte = 16;
constexpr int HighFrequencyMode = 2;
constexpr int NotSensorZone = 1;
} // namespace

SensorASRSettingsWidget::SensorASRSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("asrSettings"));
    buildForm();
    connect(cbMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SensorASRSettingsWidget::onModeChanged);
    for (QComboBox *combo :
         {cbMode, cbFreq, cbType1, cbType2, cbScaleFactor1, cbScaleFactor2, cbScaleFactor3})
        m_unshown.watch(this, combo);
}

void SensorASRSettingsWidget::buildForm()
{
    resize(450, 250);
    setWindowTitle(tr("Form"));
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    const auto row = [this, grid](int at, const char *labelName, const QString &text,
                                  const char *comboName, const QStringList &items) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QLatin1String(labelName));
        auto *combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(comboName));
        combo->addItems(items);
        grid->addWidget(label, at, 0);
        grid->addWidget(combo, at, 1);
        return combo;
    };
    const QStringList litres{tr("1 l/pulse"), tr("10 l/pulse"), tr("100 l/pulse"),
                             tr("1000 l/pulse")};
    cbMode = row(0, "lblWorkMode", tr("Mode:"), "cbMode",
                 {tr("Low frequency (water meters)"), tr("Low frequency meter and leak detector"),
                  tr("High frequency")});
    cbFreq = row(1, "lblMeasuringFrequency", tr("Measure frequency:"), "cbFreq",
                 {tr("300 pph"), tr("500 pph")});
    cbType1 =
        row(2, "lblMeterType", tr("Water sensor 1 type:"), "cbType1", {tr("Relay"), tr("NAMUR")});
    cbType2 =
        row(4, "lblMeterType_2", tr("Water sensor 2 type:"), "cbType2", {tr("Relay"), tr("NAMUR")});
    cbScaleFactor1 =
        row(5, "lblScaleFactor", tr("Water sensor 1 liter per impulse:"), "cbScaleFactor1", litres);
    cbScaleFactor2 = row(6, "lblScaleFactor_2", tr("Water sensor 2 liter per impulse:"),
                         "cbScaleFactor2", litres);
    cbScaleFactor3 = row(7, "lblScaleFactor_3", tr("High frequency pulse price"), "cbScaleFactor3",
                         {"1", "0.1", "0.01", "0.001"});
    setTabOrder(cbMode, cbFreq);
    setTabOrder(cbFreq, cbType1);
    setTabOrder(cbType1, cbType2);
    setTabOrder(cbType2, cbScaleFactor1);
    setTabOrder(cbScaleFactor1, cbScaleFactor2);
    setTabOrder(cbScaleFactor2, cbScaleFactor3);
}

void SensorASRSettingsWidget::onModeChanged(int mode)
{
    const bool high = mode == HighFrequencyMode;
    if (high) {
        for (QComboBox *combo : {cbFreq, cbType1, cbType2})
            combo->setEnabled(false);
        cbType1->setEditable(true);
        cbType2->setEditable(true);
        for (QComboBox *combo : {cbFreq, cbType1, cbType2})
            if (combo->isEditable())
                combo->setEditText(tr("Not available"));
    } else {
        cbType1->setEditable(false);
        cbType2->setEditable(false);
        for (QComboBox *combo : {cbFreq, cbType1, cbType2})
            combo->setEnabled(true);
    }
    cbScaleFactor1->setEnabled(!high);
    cbScaleFactor2->setEnabled(!high);
    cbScaleFactor3->setEnabled(high);
}

// Shows the item of that text, or keeps the stored value for the save when there is none.
void SensorASRSettingsWidget::selectText(QComboBox *combo, const QString &text, quint32 stored)
{
    const int index = combo->findText(text, Qt::MatchExactly);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        m_unshown.keep(combo, stored);
}

void SensorASRSettingsWidget::updateWidget()
{
    if (!device)
        return;
    const u_RFDevPrivateSettings area = device->privateSettings();
    m_unshown.clear();
    const auto choose = [this](QComboBox *combo, int stored) {
        combo->setCurrentIndex(stored < combo->count() ? stored : -1);
        if (stored >= combo->count())
            m_unshown.keep(combo, quint32(stored));
    };
    const quint8 mode = area.raw[ModeByte];
    if (mode == 0) {
        cbMode->setCurrentIndex(-1);
        m_unshown.keep(cbMode, 0);
    } else {
        choose(cbMode, mode - 1);
        if (m_unshown.holds(cbMode))
            m_unshown.keep(cbMode, mode);
    }
    choose(cbType1, area.raw[Type1Byte]);
    choose(cbType2, area.raw[Type2Byte]);

    const quint8 frequency = area.raw[FrequencyByte];
    cbFreq->setEditable(false);
    if (frequency < 2) {
        cbFreq->setCurrentIndex(frequency);
    } else {
        m_unshown.keep(cbFreq, frequency);
        if (frequency < 4) {
            cbFreq->setEditable(true);
            cbFreq->setCurrentIndex(-1);
            cbFreq->setEditText(frequency == 2 ? tr("3000 pph") : tr("5000 pph"));
        }
    }
    const quint32 litres1 = PrivateBytes::get<quint32>(area, Scale1Byte);
    const quint32 litres2 = PrivateBytes::get<quint32>(area, Scale2Byte);
    selectText(cbScaleFactor1, tr("%1 l/pulse").arg(litres1), litres1);
    selectText(cbScaleFactor2, tr("%1 l/pulse").arg(litres2), litres2);
    const quint32 price = PrivateBytes::get<quint32>(area, PriceByte);
    selectText(cbScaleFactor3, QString::number(price / 1000.0, 'g', 6), price);
    onModeChanged(cbMode->currentIndex());
}

void SensorASRSettingsWidget::saveSettings()
{
    if (!device)
        return;
    // Bytes the panel does not show (the stabilizer among them) keep their stored values.
    u_RFDevPrivateSettings area = device->privateSettings();
    const auto chosen = [this](QComboBox *combo, int offset) {
        return quint32(m_unshown.value(combo, quint32(combo->currentIndex() + offset)));
    };
    area.raw[ModeByte] = quint8(chosen(cbMode, 1));
    area.raw[Type1Byte] = quint8(chosen(cbType1, 0));
    area.raw[Type2Byte] = quint8(chosen(cbType2, 0));
    area.raw[FrequencyByte] = quint8(chosen(cbFreq, 0));
    const auto leadingNumber = [](const QString &text) {
        return text.section(QLatin1Char(' '), 0, 0).toUInt();
    };
    PrivateBytes::put<quint32>(
        area, Scale1Byte,
        m_unshown.value(cbScaleFactor1, leadingNumber(cbScaleFactor1->currentText())));
    PrivateBytes::put<quint32>(
        area, Scale2Byte,
        m_unshown.value(cbScaleFactor2, leadingNumber(cbScaleFactor2->currentText())));
    // Rounded: 0.001 * 1000 is not exactly 1 in binary.
    const double price = cbScaleFactor3->currentText().toDouble() * 1000.0;
    PrivateBytes::put<quint32>(area, PriceByte,
                               m_unshown.value(cbScaleFactor3, quint32(qRound(price))));
    device->setPrivateSettings(area);
    device->setZoneType(NotSensorZone);
}
