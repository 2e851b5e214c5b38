#include "propertyeditor/QtBoolEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QMouseEvent>

QtBoolEdit::QtBoolEdit(QWidget *parent) : QWidget(parent), m_checkBox(new QCheckBox(this))
{
    auto *layout = new QHBoxLayout(this);
    if (QApplication::layoutDirection() == Qt::LeftToRight)
        layout->setContentsMargins(4, 0, 0, 0);
    else
        layout->setContentsMargins(0, 0, 4, 0);
    layout->addWidget(m_checkBox);
    connect(m_checkBox, SIGNAL(toggled(bool)), this, SIGNAL(toggled(bool)));
    connect(m_checkBox, SIGNAL(toggled(bool)), this, SLOT(showCaption()));
    setFocusProxy(m_checkBox);
    m_captions = QStringList{tr("False"), tr("True")};
    m_checkBox->setText(tr("True"));
}

bool QtBoolEdit::isChecked() const
{
    return m_checkBox->isChecked();
}

void QtBoolEdit::setChecked(bool checked)
{
    m_checkBox->setChecked(checked);
    showCaption();
}

void QtBoolEdit::setTextVisible(bool visible)
{
    if (m_textVisible == visible)
        return;
    m_textVisible = visible;
    showCaption();
}

void QtBoolEdit::setCaptions(const QStringList &captions)
{
    if (m_captions == captions)
        return;
    m_captions = captions;
    showCaption();
}

bool QtBoolEdit::blockCheckBoxSignals(bool block)
{
    return m_checkBox->blockSignals(block);
}

QString QtBoolEdit::captionOf(bool checked) const
{
    // A list without an entry for this state shows the plain default text.
    const int index = checked ? 1 : 0;
    if (index < m_captions.size())
        return m_captions.at(index);
    return checked ? tr("True") : tr("False");
}

void QtBoolEdit::showCaption()
{
    m_checkBox->setText(m_textVisible ? captionOf(m_checkBox->isChecked()) : QString());
}

void QtBoolEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton) {
        m_checkBox->click();
        event->accept();
    } else {
        QWidget::mousePressEvent(event);
    }
}
