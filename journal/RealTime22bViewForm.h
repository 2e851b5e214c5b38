#pragma once

#include "link/Records.h"

#include <QPointer>
#include <QWidget>

#include <array>

class Protocol;
class QTableWidget;

// The device's realtime parameters: up to 64 titled values in four column pairs.
class RealTime22bViewForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ParameterCount = 64;
    static constexpr int RowCount = 16;

    explicit RealTime22bViewForm(QWidget *parent = nullptr);

    void setProtocol(Protocol *protocol);
    Protocol *protocol() const;
    // The text of a value by its display type; empty for an unknown type.
    static QString valueText(float value, quint8 type);

public slots:
    void typeUpdated(const s_UsbTxRtmDataTypesTable &table);
    void nameUpdated(const s_UsbTxRtmTitles &title);
    void dataUpdated(const s_UsbRealtimeDataRead &data);

private:
    QTableWidget *m_table;
    QPointer<Protocol> m_protocol;
    // Before the first types table every value shows empty.
    std::array<quint8, ParameterCount> m_types{};
};
