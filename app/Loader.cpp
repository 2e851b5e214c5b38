#include "app/Loader.h"

#include "app/Intervals.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "link/Protocol.h"

#include <QDebug>
#include <QPointer>

namespace {
QPointer<Loader> s_current;
}

Loader::Loader(int delayMs, Protocol *protocol, QObject *parent)
    : QObject(parent), m_protocol(protocol)
{
    logDebug(this, QStringLiteral("Created"));
    qDebug() << "Created Loader";
    QTimer::singleShot(delayMs, this, [this] {
        logDebug(this, QStringLiteral("Starting loading settings"));
        readSettings();
    });
    if (m_protocol) {
        connect(m_protocol, &Protocol::settingsReadComplete, this, &Loader::onLoadingComplete);
        connect(m_protocol, &Protocol::settingsReadProgress, this, &Loader::onLoadingProgress);
    }
}

Loader::~Loader()
{
    logDebug(this, QStringLiteral("Deleted"));
}

Loader *Loader::create(int delayMs, Protocol *protocol)
{
    if (s_current)
        s_current->deleteLater();
    s_current = new Loader(delayMs, protocol);
    return s_current;
}

Loader *Loader::current()
{
    return s_current;
}

void Loader::stop()
{
    m_watchdog.stop();
}

unsigned Loader::percent(quint16 done, quint16 total)
{
    // A device that reports no total yet has done nothing worth showing.
    if (total == 0)
        return 0;
    return unsigned(float(done) / float(total) * 100.0f);
}

void Loader::readSettings()
{
    emit started();
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(Intervals::loaderWatchdogMs);
    if (!m_watchdogConnected) {
        connect(&m_watchdog, &QTimer::timeout, this, &Loader::timeout);
        m_watchdogConnected = true;
    }
    m_watchdog.start();
    if (m_protocol)
        m_protocol->readAllSettings();
}

void Loader::onLoadingProgress(const s_DeviceLoadProgress &progress)
{
    emit this->progress(percent(progress.sent, progress.total));
}

void Loader::onLoadingComplete()
{
    emit progress(100);
    emit finished();
    m_watchdog.stop();
    giveUp();
}

void Loader::giveUp()
{
    deleteLater();
    if (s_current == this)
        s_current = nullptr;
}

void Loader::timeout()
{
    if (!s_current)
        return;
    emit failed();
    int answer = QMessageBox::Cancel;
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("question");
        request.text = tr("Failed to load configuration");
        request.standardButtons = int(QMessageBox::Retry | QMessageBox::Cancel);
        answer = ModalAnswerer::answer(request);
    } else {
        Overmind *overmind = Overmind::instance();
        QMessageBox box(overmind ? overmind->mainWindow() : nullptr);
        box.setText(tr("Failed to load configuration"));
        box.setInformativeText(tr("Do you want to retry?"));
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        if (overmind)
            overmind->registerDialog(&box);
        answer = box.exec();
    }
    if (!s_current)
        return;
    if (answer == QMessageBox::Retry)
        readSettings();
    else
        giveUp();
}
