#include "pages/radio/SensorMirelSettingsWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

SensorMirelSettingsWidget::SensorMirelSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("mirelSettings"));
    resize(400, 300);
    setWindowTitle(tr("Form"));
    auto *holder = new QWidget(this);
    holder->setObjectName(QStringLiteral("formLayoutWidget"));
    holder->setGeometry(9, 9, 381, 281);
    auto *form = new QFormLayout(holder);
    form->setObjectName(QStringLiteral("formLayout"));
    form->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(tr("Sensitivity"), holder);
    label->setObjectName(QStringLiteral("lbSensitivity"));
    cbSensitivity = new QComboBox(holder);
    cbSensitivity->setObjectName(QStringLiteral("cbSensitivity"));
    cbSensitivity->addItems({tr("Maximum sensitivity"), tr("High sensitivity"),
                             tr("Low sensitivity"), tr("Minimum sensitivity")});
    cbSensitivity->setCurrentIndex(0);
    form->addRow(label, cbSensitivity);
    // The form sits at a fixed place, so the panel asks for the room it needs.
    setMinimumHeight(holder->y() + cbSensitivity->sizeHint().height() + 9);
}
