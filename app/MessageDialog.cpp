#include "app/MessageDialog.h"

#include "app/ModalAnswerer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MessageDialog::MessageDialog() : QDialog(nullptr) {}

void MessageDialog::addButton(const QString &text)
{
    auto *button = new QPushButton(text, this);
    connect(button, &QPushButton::clicked, this, &MessageDialog::slotButtonPush);
    m_buttons.append(button);
}

int MessageDialog::exec()
{
    layOut();
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("dialog");
        request.title = m_title;
        request.text = m_text;
        for (QPushButton *button : qAsConst(m_buttons))
            request.buttons.append(button->text());
        const int answer = ModalAnswerer::answer(request);
        if (answer >= 0 && answer < m_buttons.size())
            m_buttons.at(answer)->click();
        else
            m_result = -1;
        return m_result;
    }
    QDialog::exec();
    return m_result;
}

void MessageDialog::slotButtonPush()
{
    const int index = m_buttons.indexOf(qobject_cast<QPushButton *>(sender()));
    m_result = index;
    if (index >= 0)
        accept();
    else
        reject();
}

void MessageDialog::layOut()
{
    setWindowTitle(m_title);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto *column = new QVBoxLayout(this);
    auto *message = new QLabel(m_text, this);
    message->setFixedWidth(600);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft);
    column->addWidget(message);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(this), 0, Qt::AlignLeft);
    row->addStretch();
    for (QPushButton *button : qAsConst(m_buttons)) {
        button->setMinimumSize(180, 30);
        row->addWidget(button, 0, Qt::AlignRight);
    }
    column->addLayout(row);
    setFixedSize(600, 120);
}
