#pragma once

#include "app/BaseSettingsWidget.h"
#include "link/Records.h"
#include "link/SettingsBlocks.h"

#include <QModelIndex>
#include <QPointer>

class OutputGroupsSettings;
class Protocol;
class QLabel;
class QLineEdit;
class QPushButton;
class QRegularExpressionValidator;
class QTableWidget;
class QTableWidgetItem;

// The page of the 16 output groups: number, state and an editable name per row.
class OutputGroupsSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit OutputGroupsSettingsWidget(QWidget *parent = nullptr);

    void setSettings(OutputGroupsSettings *settings);
    OutputGroupsSettings *settings() const;

    bool hasChanges() override;
    void updateWidget() override;
    QTableWidget *table() const { return m_table; }

public slots:
    void saveSettings() override;
    void disconnected();
    void onCellDoubleClicked(int row, int column);
    void onItemSelectionChanged();
    void onTextChanged(const QString &text);
    void onSettingsUpdated();

private:
    void onReady();
    void onGroupRecord(int group, const s_ExtMemDataOutGroup &record);
    void onGroupStatus(int group, const s_OutGroups &status);
    void showError(const QString &text);

    QPointer<OutputGroupsSettings> m_settings;
    QPointer<Protocol> m_protocol; // the link the device handlers are attached to
    QRegularExpressionValidator *m_validator;
    QTableWidget *m_table;
    QLabel *m_currentTitle;
    QLineEdit *m_name;
    QPushButton *m_confirm;
    QLabel *m_status;
    QPushButton *m_save;
    QPushButton *m_reset;
    QTableWidgetItem *m_currentItem = nullptr;
    QLineEdit *m_editor = nullptr;
    QModelIndex m_editorIndex;
};
