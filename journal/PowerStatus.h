#pragma once

#include <QDateTime>
#include <QObject>
#include <QVector>

// Power-supply status of one hardware variant: the last answer and its copies per source, in
// which a source reported absent reads with no values. Where each reading lies in the answer is
// the variant's layout.
class PowerStatus : public QObject
{
    Q_OBJECT
public:
    // A source: where its state code lies, the code saying it is absent, the last code of its
    // group, and the readings cleared while it is absent.
    struct Source
    {
        int stateAt = 0;
        quint16 absent = 0;
        quint16 upper = 0;
        QVector<int> floats;
    };

    // Where the readings lie in the answer, and its sources.
    struct Layout
    {
        int temperatureAt = 0;
        int mainVoltageAt = 0;
        int mainSourceAt = 0;
        int syncTimeAt = -1; // no synchronisation time where negative
        int syncDateAt = -1;
        QVector<Source> sources;
    };

    double temperature() const;
    double mainSourceVoltage() const;
    QString mainSourceText() const;
    bool hasSyncTime() const { return m_layout.syncTimeAt >= 0; }
    // When the device last synchronised its clock; invalid without one.
    QDateTime syncDateTime() const;
    // The answer's bytes as they came, and as a source's copy shows them.
    virtual const quint8 *lastBytes() const = 0;
    virtual const quint8 *sourceBytes(int source) const = 0;

signals:
    void statusUpdated();

protected:
    PowerStatus(const Layout &layout, QObject *parent);

    const Layout &layout() const { return m_layout; }

private:
    Layout m_layout;
};
