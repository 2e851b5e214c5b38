#pragma once

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <utility>

class PowerStatus;
class QGridLayout;
class QGroupBox;
class QLabel;

// A power panel: value labels filled from a variant's power-supply status. Which label shows
// which reading is the variant's data; the variant lays its labels out.
class PowerStatusPanel : public QWidget
{
    Q_OBJECT
public:
    void setPowerStatus(PowerStatus *status);
    PowerStatus *powerStatus() const;
    // A value label by its object name.
    QLabel *label(const char *name) const;

public slots:
    void onConnected();
    void statusUpdated();

protected:
    enum class Shown
    {
        Event,
        WholePercent, // a negative or not-a-number level reads 0
        Number,
        PositiveNumber // a negative or not-a-number value reads 0
    };

    // A label showing the event code or number at `at` of a source's copy of the answer; a
    // number is scaled and shown with its decimals in the pattern.
    struct Reading
    {
        const char *label;
        int source;
        int at;
        Shown shown;
        QString pattern = QString();
        double scale = 1.0;
        int decimals = 0;
    };

    explicit PowerStatusPanel(QWidget *parent = nullptr);

    // The readings, and what the temperature reads as when out of range.
    void setReadings(const QVector<Reading> &readings, const QString &invalid);
    // In viewing mode every label is blanked but the kept ones; the unknown ones say `unknown`.
    void setViewingTexts(const QStringList &kept, const QStringList &unknownNames = {},
                         const QString &unknown = QString());

    std::pair<QGroupBox *, QGridLayout *> addGroup(QWidget *owner, const QString &title,
                                                   const char *name);
    void addPair(QGroupBox *group, QGridLayout *grid, int row, int column, const QString &caption,
                 const char *name, const QString &initial);
    // The main source's line across the group's first row.
    void addMainSourceLine(QGroupBox *group, QGridLayout *grid, const QString &initial);

private:
    QString readingText(const Reading &reading) const;

    QPointer<PowerStatus> m_status;
    QHash<QString, QLabel *> m_labels;
    QVector<Reading> m_readings;
    QString m_invalid;
    QStringList m_kept;
    QStringList m_unknownNames;
    QString m_unknown;
};
