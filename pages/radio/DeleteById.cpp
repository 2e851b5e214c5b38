#include "pages/radio/DeleteById.h"

#include "app/Overmind.h"
#include "link/Protocol.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

DeleteById::DeleteById(QWidget *parent)
    : QWidget(parent), m_one(new QRadioButton(this)), m_group(new QRadioButton(this)),
      m_number(new QSpinBox(this)), m_from(new QSpinBox(this)), m_to(new QSpinBox(this))
{
    setObjectName(QStringLiteral("DeleteById"));
    setWindowTitle(tr("Delete by number"));
    setFixedSize(600, 140);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    auto *inner = new QGridLayout;
    inner->setObjectName(QStringLiteral("gridLayout_2"));
    m_one->setObjectName(QStringLiteral("rbRemoveOne"));
    m_one->setText(tr("Remove one radio device by number"));
    m_one->setChecked(true);
    inner->addWidget(m_one, 0, 0, 1, 4);
    m_number->setObjectName(QStringLiteral("sbNum"));
    inner->addWidget(m_number, 0, 4);
    m_group->setObjectName(QStringLiteral("rbRemoveGroup"));
    m_group->setText(tr("Remove group of radio devices"));
    inner->addWidget(m_group, 1, 0);
    auto *fromLabel = new QLabel(tr("From"), this);
    fromLabel->setObjectName(QStringLiteral("label_2"));
    fromLabel->setMinimumWidth(40);
    inner->addWidget(fromLabel, 1, 1);
    m_from->setObjectName(QStringLiteral("sbFrom"));
    inner->addWidget(m_from, 1, 2);
    auto *toLabel = new QLabel(tr("To"), this);
    toLabel->setObjectName(QStringLiteral("label_3"));
    toLabel->setMinimumWidth(40);
    toLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    inner->addWidget(toLabel, 1, 3);
    m_to->setObjectName(QStringLiteral("sbTo"));
    inner->addWidget(m_to, 1, 4);
    inner->setColumnStretch(0, 1);
    grid->addLayout(inner, 0, 0, 1, 3);
    grid->addItem(new QSpacerItem(267, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 0);
    auto *cancel = new QPushButton(QIcon(QStringLiteral(":/images/stop.png")), tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("pbCancel"));
    cancel->setMinimumSize(140, 30);
    grid->addWidget(cancel, 1, 1);
    auto *remove = new QPushButton(QIcon(QStringLiteral(":/images/clear.png")), tr("Remove"), this);
    remove->setObjectName(QStringLiteral("pbRemove"));
    remove->setMinimumSize(140, 30);
    grid->addWidget(remove, 1, 2);

    Overmind *overmind = Overmind::instance();
    int limit = overmind ? overmind->deviceInfo().maxSensors() : 100;
    if (limit < 1)
        limit = 100;
    for (QSpinBox *box : {m_number, m_from, m_to}) {
        box->setMinimumWidth(100);
        box->setRange(1, limit);
    }
    m_to->setValue(std::min(10, limit));
    setTabOrder(cancel, remove);
    setTabOrder(remove, m_one);
    setTabOrder(m_one, m_number);
    setTabOrder(m_number, m_group);
    setTabOrder(m_group, m_from);
    setTabOrder(m_from, m_to);

    connect(remove, &QPushButton::clicked, this, &DeleteById::onRemoveBtnClicked);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_from, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int value) {
        m_group->setChecked(true);
        if (m_to->value() < value)
            m_to->setValue(value);
    });
    connect(m_to, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this] { m_group->setChecked(true); });
}

void DeleteById::onRemoveBtnClicked()
{
    Overmind *overmind = Overmind::instance();
    Protocol *link = overmind ? overmind->protocol() : nullptr;
    if (!link)
        return;
    if (m_one->isChecked()) {
        link->deleteSensor(quint16(m_number->value() - 1));
        return;
    }
    const int low = std::min(m_from->value(), m_to->value());
    const int high = std::max(m_from->value(), m_to->value());
    for (int number = low; number <= high; ++number)
        link->deleteSensor(quint16(number - 1));
}
