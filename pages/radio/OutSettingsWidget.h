#pragma once

#include "app/BaseSettingsWidget.h"
#include "radio/OutputRecords.h"

class ContentAwareLineEdit;
class OutputSettingsWidget;
class QPushButton;

// Window of one of the communicator's wired outputs: its name and mode block, written to
// the device as one settings block.
class OutSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit OutSettingsWidget(quint16 id, QWidget *parent = nullptr);

    void setOutputData(const s_ExtMemDataOutput &data);
    void setTactic(const s_EventsOutMode &tactic);
    void fillForm();
    quint16 id() const { return m_id; }
    OutputSettingsWidget *editor() const { return m_editor; }

public slots:
    // False when the name does not fit: nothing is written then.
    bool save();
    bool setName(const QString &name);

private:
    void buildForm();
    void onSaveClicked();

    quint16 m_id;
    s_ExtMemDataOutput m_output;
    ContentAwareLineEdit *m_name;
    OutputSettingsWidget *m_editor;
    QPushButton *m_save;
    QPushButton *m_cancel;
};
