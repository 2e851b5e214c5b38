#pragma once

#include "link/Records.h"

#include <QFile>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The device's debug journal: read, erased and exported as text.
class AssertLogView : public QWidget
{
    Q_OBJECT
public:
    // Entries from this index on end an export.
    static constexpr quint16 LastExportedIndex = 0x3FF;

    explicit AssertLogView(QWidget *parent = nullptr);

    // Starts an export; returns the file's name, or an empty text when there is none.
    QString saveDebugJournal();
    // The line of one entry, empty for a damaged one.
    static QString entryLine(const s_FullDebugJournalEvent &entry);
    static QString payloadText(const s_FullDebugJournalEvent &entry);
    static QString faultName(quint16 code);
    bool isExporting() const { return m_exportFile.isOpen(); }

public slots:
    void eraseLog();
    void debugEntryReceived(quint16 index, const s_FullDebugJournalEvent &entry);

private:
    void readLog();
    void rebind();

    QPushButton *m_read;
    QPushButton *m_erase;
    QPlainTextEdit *m_pane;
    QFile m_exportFile;
    QMetaObject::Connection m_binding;
};
