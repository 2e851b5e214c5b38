#pragma once

#include "link/Records.h"
#include "link/SettingsBlocks.h"

#include <QPointer>
#include <QWidget>

class DirectionSettings;
class DirectionSettingsWidget;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableWidget;

// The event-reporting page: the directions with the live state of their channels, and
// the form of the direction picked in the table.
class DirectionsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DirectionsWidget(QWidget *parent = nullptr);
    ~DirectionsWidget() override;

    // Null detaches the page from its directions.
    void setSettings(DirectionSettings *settings);
    DirectionSettings *settings() const;
    // Whether the direction shown may be left for the table row; a row below 0 only asks.
    bool confirmLeave(int row, int column);
    void setSurGardHidden(bool hidden);
    bool isSurGardHidden() const { return m_surGardHidden; }
    DirectionSettingsWidget *form() const { return m_form; }
    QTableWidget *table() const { return m_table; }
    int currentRow() const { return m_currentRow; }

public slots:
    void settingsUpdated(quint8 index, const s_ExtMemDataGSMDirection &record);
    void statusUpdated(const EventSenderStatus &status);
    void onResetTranslations();
    void onLockSettingsChanged();

private:
    void buildWidgets();
    void onLoginSuccessful();
    void onDisconnected();
    void onReady();
    void onLoadingStarted();
    void onLoadingFinished();
    void showDirection(int row);
    void refuseLeave();
    void clearCells();
    QString deliveryLine(const EventSenderStatus &status) const;

    QPointer<DirectionSettings> m_settings;
    bool m_loading = false;
    int m_currentRow = -1;
    bool m_surGardHidden = false;
    bool m_keepAlive = true;

    QLineEdit *m_leHandledEvent = nullptr;
    QPushButton *m_pbResetTranslations = nullptr;
    QSplitter *m_splitter = nullptr;
    QTableWidget *m_table = nullptr;
    DirectionSettingsWidget *m_form = nullptr;
};
