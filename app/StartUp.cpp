#include "app/StartUp.h"

#include "app/DeviceTypeNames.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"

#include <QApplication>
#include <QLocale>

StartUp::StartUp() = default;

StartUp::~StartUp()
{
    // The window is torn down here, outside the event loop: a quit queued now would end
    // the next event loop of the thread at once, every nested one included.
    if (m_window)
        QObject::disconnect(m_window.get(), &QObject::destroyed, qApp, nullptr);
    m_window.reset();
    m_overmind.reset();
    QCoreApplication::removeTranslator(&m_appTranslator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
}

QString StartUp::commandLinePath(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

void StartUp::installTranslators()
{
    // A missing translation only leaves texts in English.
    (void)m_qtTranslator.load(QStringLiteral(":/tr/translations/qtbase_") +
                              QLocale::system().name());
    QCoreApplication::installTranslator(&m_qtTranslator);
    (void)m_appTranslator.load(QStringLiteral(":/tr/translations/velmis.qm"));
    QCoreApplication::installTranslator(&m_appTranslator);
}

bool StartUp::begin(const QStringList &arguments)
{
    m_logger = std::make_unique<Logger>();
    m_logger->logTrace(qApp, QStringLiteral("Application start"));
    installTranslators();
    initDeviceTypeNames();
    QCoreApplication::setApplicationVersion(QStringLiteral("1.3"));
    QApplication::setApplicationDisplayName(
        QCoreApplication::translate("QApplication", "Korvel-GSM Configurator"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardanet"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmis"));
    m_overmind = std::make_unique<Overmind>();

    if (!arguments.isEmpty()) {
        if (!m_overmind->loadConfigFile(commandLinePath(arguments)))
            return false;
        m_overmind->setViewingMode(true);
    }
    m_window = std::make_unique<MainWindow>();
    QObject::connect(m_window.get(), &QObject::destroyed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    m_overmind->setMainWindow(m_window.get());
    return true;
}

int StartUp::run()
{
    m_window->show();
    return QCoreApplication::exec();
}
