#include "pages/comms/ChangeChannelGroup.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

ChangeChannelGroup::ChangeChannelGroup() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("ChangeChannelGroup"));
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(600, 240);
    setWindowTitle(tr("Channel group changing"));

    auto *layout = new QGridLayout(this);
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    QFont font = label->font();
    font.setPointSize(12);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: red"));
    label->setAlignment(Qt::AlignCenter);
    label->setText(tr("Are you sure you want to change the channel group?\nAll devices will be "
                      "lost and will require reconfiguration."));
    layout->addWidget(label, 0, 0, 1, 4);
    layout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 0);
    const struct
    {
        const char *name;
        QString text;
        int code;
    } buttons[] = {
        {"pbYes", tr("Yes"), Yes}, {"pbNo", tr("No"), No}, {"pbCancel", tr("Cancel"), Cancel}};
    int column = 1;
    for (const auto &entry : buttons) {
        auto *button = new QPushButton(entry.text, this);
        button->setObjectName(QLatin1String(entry.name));
        const int code = entry.code;
        connect(button, &QPushButton::clicked, this, [this, code] { answer(code); });
        layout->addWidget(button, 1, column++);
    }
}

void ChangeChannelGroup::answer(int code)
{
    m_code = code;
    close();
}

void ChangeChannelGroup::closeEvent(QCloseEvent *event)
{
    emit btnClicked(m_code);
    event->accept();
}
