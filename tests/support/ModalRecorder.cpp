#include "support/ModalRecorder.h"

#include <QMessageBox>

ModalRecorder::ModalRecorder()
{
    ModalAnswerer::setHandler([this](const ModalAnswerer::Request &request) {
        seen.append(request);
        if (reply)
            return reply(request);
        return request.kind == QLatin1String("dialog") ? -1 : int(QMessageBox::Ok);
    });
}

ModalRecorder::~ModalRecorder()
{
    ModalAnswerer::clearHandler();
}

int ModalRecorder::count(const QString &kind) const
{
    int n = 0;
    for (const auto &request : seen)
        n += request.kind == kind ? 1 : 0;
    return n;
}

bool ModalRecorder::sawText(const QString &text) const
{
    for (const auto &request : seen)
        if (request.text == text)
            return true;
    return false;
}
