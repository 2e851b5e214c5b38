#include "pages/radio/SensorVTISettingsWidget.h"

#include "pages/radio/ClimateHints.h"
#include "pages/radio/OutputHints.h"
#include "pages/radio/PrivateBytes.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {
constexpr int EnableByte = 22;
constexpr int LiveTemperature = 0;
constexpr int LiveHumidity = 4;
constexpr int LiveCO = 16;
constexpr int ClimateOnlyType = 10;

enum EnableBit
{
    MaxTemp = 0x01,
    MinTemp = 0x02,
    MaxHumidity = 0x04,
    MinHumidity = 0x08,
    MaxCO = 0x10
};

qint16 liveValue(const s_SensorIntData &status, int offset)
{
    qint16 value = 0;
    std::memcpy(&value, status.privateData.raw + offset, sizeof(value));
    return value;
}
} // namespace

SensorVTISettingsWidget::SensorVTISettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("vtiSettings"));
    buildForm();
    setMouseTracking(true);
    for (QCheckBox *box :
         {cbMaxTempEvent, cbMinTempEvent, cbMaxHumidityEvent, cbMinHumidityEvent, cbMaxCOEvent})
        connect(box, &QCheckBox::stateChanged, this, &SensorVTISettingsWidget::onEnDisChanged);
    for (const QString &name : ClimateHints::iconNames())
        if (auto *icon = findChild<QLabel *>(name))
            icon->setProperty("Hint", ClimateHints::text(name));
    // Controls take the mouse moves over them; the help line still has to follow.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    onEnDisChanged(0);
}

QDoubleSpinBox *SensorVTISettingsWidget::addSpin(const char *name, double minimum, double maximum,
                                                 double step, int offset)
{
    auto *box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(1);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setMouseTracking(true);
    m_values.append({box, offset});
    return box;
}

QLabel *SensorVTISettingsWidget::addHint(const char *name)
{
    return OutputHints::makeIcon(this, QLatin1String(name));
}

void SensorVTISettingsWidget::buildForm()
{
    resize(467, 470);
    setWindowTitle(tr("Form"));
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    const auto label = [this](const QString &text) {
        auto *l = new QLabel(text, this);
        l->setMouseTracking(true);
        return l;
    };
    const auto live = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        edit->setMouseTracking(true);
        return edit;
    };
    const auto check = [this](const char *name, const QString &text) {
        auto *box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        box->setMouseTracking(true);
        return box;
    };
    QLabel *basic = label(tr("Basic"));
    QLabel *reference = label(tr("Reference value"));
    grid->addWidget(basic, 0, 1, Qt::AlignHCenter);
    grid->addWidget(reference, 0, 4, Qt::AlignHCenter);

    leTemperature = live("leTemperature");
    leHumidity = live("leHumidity");
    leCO = live("leCO");
    QLabel *lblCO = label(tr("CO:"));
    QDoubleSpinBox *dsbSupportingTemp = addSpin("dsbSupportingTemp", -10.0, 55.0, 0.1, 6);
    QDoubleSpinBox *dsbSupportingHumidity = addSpin("dsbSupportingHumidity", 10.0, 90.0, 0.1, 14);
    QDoubleSpinBox *dsbSupportingCO = addSpin("dsbSupportingCO", 5.0, 90.0, 0.1, 20);
    grid->addWidget(label(tr("Temperature:")), 1, 0);
    grid->addWidget(leTemperature, 1, 1);
    grid->addWidget(addHint("lblTempBasicHint"), 1, 2);
    grid->addWidget(dsbSupportingTemp, 1, 4);
    grid->addWidget(addHint("lblTempSupportingHint"), 1, 5);
    grid->addWidget(label(tr("Humidity:")), 2, 0);
    grid->addWidget(leHumidity, 2, 1);
    grid->addWidget(addHint("lblHumidityBasicHint"), 2, 2);
    grid->addWidget(dsbSupportingHumidity, 2, 4);
    grid->addWidget(addHint("lblHumiditySupportingHint"), 2, 5);
    QLabel *lblCOBasicHint = addHint("lblCOBasicHint");
    QLabel *lblCOSupportingHint = addHint("lblCOSupportingHint");
    grid->addWidget(lblCO, 3, 0);
    grid->addWidget(leCO, 3, 1);
    grid->addWidget(lblCOBasicHint, 3, 2);
    grid->addWidget(dsbSupportingCO, 3, 4);
    grid->addWidget(lblCOSupportingHint, 3, 5);

    cbMaxTempEvent = check("cbMaxTempEvent", tr("Max temp event:"));
    cbMinTempEvent = check("cbMinTempEvent", tr("Min temp event:"));
    cbMaxHumidityEvent = check("cbMaxHumidityEvent", tr("Max humidity event:"));
    cbMinHumidityEvent = check("cbMinHumidityEvent", tr("Min humidity event:"));
    cbMaxCOEvent = check("cbMaxCOEvent", tr("Max CO event:"));
    dsbMaxTempEvent = addSpin("dsbMaxTempEvent", -10.0, 55.0, 1.0, 0);
    dsbMinTempEvent = addSpin("dsbMinTempEvent", -10.0, 55.0, 1.0, 2);
    dsbTempEventHysteresis = addSpin("dsbTempEventHysteresis", 1.0, 20.0, 1.0, 4);
    dsbMaxHumidityEvent = addSpin("dsbMaxHumidityEvent", 10.0, 90.0, 1.0, 8);
    dsbMinHumidityEvent = addSpin("dsbMinHumidityEvent", 10.0, 90.0, 1.0, 10);
    dsbHumidityEventHysteresis = addSpin("dsbHumidityEventHysteresis", 1.0, 20.0, 1.0, 12);
    dsbMaxCOEvent = addSpin("dsbMaxCOEvent", 5.0, 90.0, 1.0, 16);
    dsbCOEventHysteresis = addSpin("dsbCOEventHysteresis", 1.0, 20.0, 1.0, 18);
    QLabel *lblCOHysteresis = label(tr("CO event hysteresis:"));
    QLabel *lblMaxCOEventHint = addHint("lblMaxCOEventHint");
    QLabel *lblCOEventHysteresisHint = addHint("lblCOEventHysteresisHint");
    const struct
    {
        int row;
        QWidget *left;
        QWidget *value;
        QWidget *hint;
    } rows[] = {
        {4, cbMaxTempEvent, dsbMaxTempEvent, addHint("lblMaxTempEventHint")},
        {5, cbMinTempEvent, dsbMinTempEvent, addHint("lblMinTempEventHint")},
        {6, label(tr("Temp event hysteresis:")), dsbTempEventHysteresis,
         addHint("lblTempEventHysteresisHint")},
        {8, cbMaxHumidityEvent, dsbMaxHumidityEvent, addHint("lblMaxHumidityEventHint")},
        {9, cbMinHumidityEvent, dsbMinHumidityEvent, addHint("lblMinHumidityEventHint")},
        {10, label(tr("Humidity event hysteresis:")), dsbHumidityEventHysteresis,
         addHint("lblHumidityEventHysteresisHint")},
        {11, cbMaxCOEvent, dsbMaxCOEvent, lblMaxCOEventHint},
        {12, lblCOHysteresis, dsbCOEventHysteresis, lblCOEventHysteresisHint},
    };
    for (const auto &row : rows) {
        grid->addWidget(row.left, row.row, 0);
        grid->addWidget(row.value, row.row, 1, 1, 4);
        grid->addWidget(row.hint, row.row, 5);
    }
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 13, 0, 1, 6);
    lbContextHelp = new QLabel(this);
    lbContextHelp->setObjectName(QStringLiteral("lbContextHelp"));
    lbContextHelp->setWordWrap(true);
    lbContextHelp->setMargin(4);
    lbContextHelp->setIndent(4);
    lbContextHelp->setMinimumHeight(60);
    lbContextHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(lbContextHelp, 14, 0, 1, 6);
    m_coControls = {lblCO,
                    leCO,
                    dsbSupportingCO,
                    cbMaxCOEvent,
                    dsbMaxCOEvent,
                    lblCOHysteresis,
                    dsbCOEventHysteresis,
                    lblMaxCOEventHint,
                    lblCOEventHysteresisHint,
                    lblCOBasicHint,
                    lblCOSupportingHint};
    setTabOrder(dsbSupportingTemp, dsbSupportingHumidity);
    setTabOrder(dsbSupportingHumidity, dsbSupportingCO);
}

QString SensorVTISettingsWidget::hundredthsText(qint16 value)
{
    // Rounded in whole numbers: 23.45 has no exact binary form and would show as 23,4.
    const int tenths = (value >= 0 ? value + 5 : value - 5) / 10;
    return QString::number(tenths / 10.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

void SensorVTISettingsWidget::refreshLiveValues()
{
    if (!device)
        return;
    const s_SensorIntData status = device->status();
    leCO->setText(hundredthsText(liveValue(status, LiveCO)));
    leHumidity->setText(hundredthsText(liveValue(status, LiveHumidity)));
    leTemperature->setText(hundredthsText(liveValue(status, LiveTemperature)));
}

void SensorVTISettingsWidget::onSensorStatusUpdated()
{
    refreshLiveValues();
}

void SensorVTISettingsWidget::updateWidget()
{
    if (!device)
        return;
    const u_RFDevPrivateSettings area = device->privateSettings();
    const quint8 enabled = area.raw[EnableByte];
    cbMaxTempEvent->setChecked(enabled & MaxTemp);
    cbMinTempEvent->setChecked(enabled & MinTemp);
    cbMaxHumidityEvent->setChecked(enabled & MaxHumidity);
    cbMinHumidityEvent->setChecked(enabled & MinHumidity);
    cbMaxCOEvent->setChecked(enabled & MaxCO);
    refreshLiveValues();
    for (const Value &value : qAsConst(m_values))
        value.box->setValue(PrivateBytes::get<qint16>(area, value.offset) / 100.0);
    const bool co = device->type() != ClimateOnlyType;
    for (QWidget *control : qAsConst(m_coControls))
        control->setVisible(co);
    onEnDisChanged(0);
}

void SensorVTISettingsWidget::onEnDisChanged(int)
{
    dsbMaxTempEvent->setEnabled(cbMaxTempEvent->isChecked());
    dsbMinTempEvent->setEnabled(cbMinTempEvent->isChecked());
    dsbMaxHumidityEvent->setEnabled(cbMaxHumidityEvent->isChecked());
    dsbMinHumidityEvent->setEnabled(cbMinHumidityEvent->isChecked());
    dsbMaxCOEvent->setEnabled(cbMaxCOEvent->isChecked());
    dsbTempEventHysteresis->setEnabled(cbMaxTempEvent->isChecked() || cbMinTempEvent->isChecked());
    dsbHumidityEventHysteresis->setEnabled(cbMaxHumidityEvent->isChecked() ||
                                           cbMinHumidityEvent->isChecked());
    dsbCOEventHysteresis->setEnabled(cbMaxCOEvent->isChecked());
}

void SensorVTISettingsWidget::saveSettings()
{
    if (!device)
        return;
    // Bytes and event bits the panel does not show keep their stored values.
    u_RFDevPrivateSettings area = device->privateSettings();
    for (const Value &value : qAsConst(m_values))
        PrivateBytes::put<qint16>(area, value.offset, PrivateBytes::hundredths(value.box->value()));
    quint8 enabled =
        area.raw[EnableByte] & quint8(~(MaxTemp | MinTemp | MaxHumidity | MinHumidity | MaxCO));
    enabled |= cbMaxTempEvent->isChecked() ? MaxTemp : 0;
    enabled |= cbMinTempEvent->isChecked() ? MinTemp : 0;
    enabled |= cbMaxHumidityEvent->isChecked() ? MaxHumidity : 0;
    enabled |= cbMinHumidityEvent->isChecked() ? MinHumidity : 0;
    enabled |= cbMaxCOEvent->isChecked() ? MaxCO : 0;
    area.raw[EnableByte] = enabled;
    device->setPrivateSettings(area);
}

void SensorVTISettingsWidget::showHintAt(const QPoint &position)
{
    QWidget *under = childAt(position);
    lbContextHelp->setText(under ? under->property("Hint").toString() : QString());
}

void SensorVTISettingsWidget::mouseMoveEvent(QMouseEvent *event)
{
    showHintAt(event->pos());
    SensorPrivateSettingsWidget::mouseMoveEvent(event);
}

bool SensorVTISettingsWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *move = static_cast<QMouseEvent *>(event);
        if (widget && widget != lbContextHelp)
            showHintAt(widget->mapTo(this, move->pos()));
    }
    return SensorPrivateSettingsWidget::eventFilter(watched, event);
}
