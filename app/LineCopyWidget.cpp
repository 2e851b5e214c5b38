#include "app/LineCopyWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>

LineCopyWidget::LineCopyWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setupUi();
    retranslateUi();
    QMetaObject::connectSlotsByName(this);
}

void LineCopyWidget::setupUi()
{
    setObjectName(QStringLiteral("LineCopyWidget"));
    resize(300, 100);
    gridLayout = new QGridLayout(this);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    horizontalLayout->addWidget(lblTitle);
    leText = new QLineEdit(this);
    leText->setObjectName(QStringLiteral("leText"));
    leText->setReadOnly(true);
    horizontalLayout->addWidget(leText);
    pbCopy = new QPushButton(this);
    pbCopy->setObjectName(QStringLiteral("pbCopy"));
    pbCopy->setFlat(true);
    pbCopy->setIcon(QIcon(QStringLiteral(":/images/copy.png")));
    horizontalLayout->addWidget(pbCopy);
    gridLayout->addLayout(horizontalLayout, 0, 0, 1, 2);
    gridLayout->addItem(new QSpacerItem(20, 17, QSizePolicy::Minimum, QSizePolicy::Expanding), 1,
                        1);
    gridLayout->addItem(new QSpacerItem(198, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 2,
                        0);
    pbOk = new QPushButton(this);
    pbOk->setObjectName(QStringLiteral("pbOk"));
    gridLayout->addWidget(pbOk, 2, 1);
    QWidget::setTabOrder(leText, pbCopy);
    QWidget::setTabOrder(pbCopy, pbOk);
}

void LineCopyWidget::retranslateUi()
{
    setWindowTitle(tr("Form"));
    lblTitle->setText(tr("Text:"));
    pbCopy->setText(QString());
    pbOk->setText(tr("Ok"));
}

void LineCopyWidget::setTitle(const QString &title)
{
    lblTitle->setText(title);
}

void LineCopyWidget::setText(const QString &text)
{
    leText->setText(text);
}

void LineCopyWidget::on_pbCopy_clicked()
{
    QApplication::clipboard()->setText(leText->text());
}

void LineCopyWidget::on_pbOk_clicked()
{
    close();
}
