#include "pages/radio/CountersDialog.h"

#include "app/ModalAnswerer.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QVBoxLayout>

CountersDialog::CountersDialog(QWidget *parent) : QDialog(parent), m_layout(new QVBoxLayout(this))
{
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
}

QDoubleSpinBox *CountersDialog::box(int counter) const
{
    return counter >= 1 && counter <= m_boxes.size() ? m_boxes.at(counter - 1) : nullptr;
}

QDoubleSpinBox *CountersDialog::addValueBox(double maximum, double step, double value)
{
    auto *box = new QDoubleSpinBox(this);
    box->setObjectName(QStringLiteral("sbValue%1").arg(m_boxes.size() + 1));
    box->setDecimals(3);
    box->setRange(0, maximum);
    box->setSingleStep(step);
    box->setValue(value);
    m_boxes.append(box);
    m_shown.append(box->value());
    return box;
}

bool CountersDialog::isEdited(int index) const
{
    return m_boxes.at(index)->value() != m_shown.at(index);
}

void CountersDialog::addButtons(const QStringList &names)
{
    m_buttonNames = names;
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    m_layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, &CountersDialog::report);
}

int CountersDialog::exec()
{
    if (!ModalAnswerer::isActive())
        return QDialog::exec();
    ModalAnswerer::Request request;
    request.kind = QStringLiteral("dialog");
    request.title = windowTitle();
    request.buttons = m_buttonNames;
    setResult(-1);
    const int answer = ModalAnswerer::answer(request);
    // Rejected while it was being answered: the link went down meanwhile.
    if (result() == QDialog::Rejected)
        return QDialog::Rejected;
    if (answer == 1)
        accept();
    else
        reject();
    return result();
}
