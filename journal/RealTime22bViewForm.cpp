#include "journal/RealTime22bViewForm.h"

RealTime22bViewForm::RealTime22bViewForm(QWidget *parent) : QWidget(parent) {}

void RealTime22bViewForm::setProtocol(Protocol *protocol)
{
    m_protocol = protocol;
}
