#include "journal/AssertLogView.h"

#include "app/FileChooser.h"

#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QVBoxLayout>

AssertLogView::AssertLogView(QWidget *parent) : QWidget(parent), m_pane(new QPlainTextEdit(this))
{
    m_pane->setObjectName(QStringLiteral("ptDebugJournal"));
    m_pane->setReadOnly(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pane);
}

QString AssertLogView::saveDebugJournal()
{
    const QString start =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Debug journal";
    QString path =
        FileChooser::saveFileName(this, tr("Save debug journal"), start, tr("Text (*.txt)"));
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        path += QLatin1String(".txt");
    m_pane->clear();
    return path;
}
