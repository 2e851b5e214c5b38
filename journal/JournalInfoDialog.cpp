#include "journal/JournalInfoDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

JournalInfoDialog::JournalInfoDialog(const QString &text)
    : QDialog(nullptr), m_text(text), m_label(new QLabel(text, this)),
      m_close(new QPushButton(tr("Close"), this)),
      m_copy(
          new QPushButton(QIcon(QStringLiteral("://images/copy.png")), tr("Copy to buffer"), this))
{
    setObjectName(QStringLiteral("JournalInfoDialog"));
    setFixedSize(400, 250);
    setWindowTitle(tr("Journal event"));
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    m_label->setObjectName(QStringLiteral("lText"));
    m_label->setWordWrap(true);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_close->setObjectName(QStringLiteral("pbClose"));
    m_close->setMinimumSize(120, 30);
    m_copy->setObjectName(QStringLiteral("pbCopy"));
    m_copy->setMinimumSize(250, 30);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    buttons->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label, 1, Qt::AlignTop);
    layout->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, &JournalInfoDialog::onClose);
    connect(m_copy, &QPushButton::clicked, this, &JournalInfoDialog::onCopyText);
}

void JournalInfoDialog::onClose()
{
    close();
}

void JournalInfoDialog::onCopyText()
{
    QApplication::clipboard()->setText(m_text);
}
