#include "journal/RealTime22bViewForm.h"

#include "journal/CodePageText.h"
#include "link/Protocol.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstring>
#include <limits>

RealTime22bViewForm::RealTime22bViewForm(QWidget *parent)
    : QWidget(parent), m_table(new QTableWidget(RowCount, 8, this))
{
    setObjectName(QStringLiteral("RealTime22bViewForm"));
    resize(865, 418);
    setWindowTitle(tr("Form"));
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->addWidget(m_table);
    m_table->setObjectName(QStringLiteral("twParams"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList headers;
    for (int pair = 0; pair < 4; ++pair)
        headers << tr("Name") << tr("Value");
    m_table->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < 8; ++column) {
        if (column % 2 == 0) {
            m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
        } else {
            m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
            m_table->setColumnWidth(column, 120);
        }
        for (int row = 0; row < RowCount; ++row)
            m_table->setItem(row, column, new QTableWidgetItem(QString()));
    }
}

void RealTime22bViewForm::setProtocol(Protocol *protocol)
{
    if (protocol == m_protocol)
        return;
    if (m_protocol)
        disconnect(m_protocol, nullptr, this, nullptr);
    m_protocol = protocol;
    if (!protocol)
        return;
    connect(protocol, &Protocol::RealtimeTitleReceived, this, &RealTime22bViewForm::nameUpdated);
    connect(protocol, &Protocol::RealtimeDataTypesTableReceived, this,
            &RealTime22bViewForm::typeUpdated);
    connect(protocol, &Protocol::RealtimeDataReceived, this, &RealTime22bViewForm::dataUpdated);
}

QString RealTime22bViewForm::valueText(float value, quint8 type)
{
    const double number = double(value);
    const QString general = QString::number(number, 'g', 6);
    // A value no integer of its type can hold is shown as it came, never converted.
    const bool fitsUnsigned = std::isfinite(number) && number > -1.0 && number < 4294967296.0;
    const bool fitsSigned =
        std::isfinite(number) && number > -2147483649.0 && number < 2147483648.0;
    switch (type) {
    case 4:
        return fitsUnsigned ? QString::number(quint32(number)) : general;
    case 5:
        return fitsUnsigned ? QStringLiteral("0x%1").arg(quint32(number), 8, 16, QLatin1Char('0'))
                            : general;
    case 6:
        return fitsSigned ? QString::number(qint32(number)) : general;
    case 7:
        return general;
    default:
        return QString();
    }
}

void RealTime22bViewForm::typeUpdated(const s_UsbTxRtmDataTypesTable &table)
{
    std::memcpy(m_types.data(), table.bytes, m_types.size());
}

void RealTime22bViewForm::nameUpdated(const s_UsbTxRtmTitles &title)
{
    const int index = qint8(title.bytes[0]);
    if (index < 0 || index >= ParameterCount)
        return;
    // The title ends at its first NUL: the padding after it is not part of the name.
    const QString text = codePageText(reinterpret_cast<const char *>(title.bytes + 1), 32);
    m_table->item(index % RowCount, 2 * (index / RowCount))->setText(text);
}

void RealTime22bViewForm::dataUpdated(const s_UsbRealtimeDataRead &data)
{
    for (int i = 0; i < ParameterCount; ++i) {
        float value;
        std::memcpy(&value, data.bytes + 4 * i, sizeof value);
        m_table->item(i % RowCount, 2 * (i / RowCount) + 1)
            ->setText(valueText(value, m_types[size_t(i)]));
    }
}

Protocol *RealTime22bViewForm::protocol() const
{
    return m_protocol;
}
