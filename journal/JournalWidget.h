#pragma once

#include "link/ProtocolTypes.h"

#include <QModelIndex>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class Journal;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QProgressDialog;
class QPushButton;
class QTreeView;
class TreeSortFilterProxyModel;

// The event journal page.
class JournalWidget : public QWidget
{
    Q_OBJECT
public:
    explicit JournalWidget(QWidget *parent = nullptr);
    ~JournalWidget() override;

    void setJournal(Journal *journal);
    Journal *journal() const;
    // Reading is blocked while a firmware upload runs.
    void blockReading(bool blocked);
    void clearList();

    // The CSV text of the rows the filter shows, as the export writes it.
    QString csvText() const;
    // The line template of the export; quotes inside a field are doubled.
    static QString csvLine(const QStringList &fields);

public slots:
    void onBlockInterface();
    void onReadAllJournal();
    void saveToFile();
    void clearJournal();
    void clearJournalAck(e_m_err code);
    void loadingStarted();
    void loadingFinished();
    void loadingProgress(int percent);
    void copyShortcut();
    void onDoubleClicked(const QModelIndex &index);
    void onFilter();
    void onConnected();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onLoadingFailed(const QString &message);
    void sizeColumns();
    void fitSourceColumn();

    QPointer<Journal> m_journal;
    QTimer *m_clearTimer = nullptr;
    QTimer m_filterTimer;
    QProgressDialog *m_clearProgress = nullptr;

    QComboBox *m_currentFilter;
    QLineEdit *m_filter;
    QCheckBox *m_caseSensitivity;
    QPushButton *m_readAll;
    QPushButton *m_saveToFile;
    QPushButton *m_clear;
    QProgressBar *m_progress;
    QTreeView *m_view;
    QPointer<TreeSortFilterProxyModel> m_proxy;
};
