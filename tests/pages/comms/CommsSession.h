#pragma once

#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/Ui_MainWindow.h"
#include "sim/SimComms.h"
#include "support/RadioSession.h"

#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QTest>

constexpr int SessionTimeout = 60000;

// The program started against the simulated communicator, logged in with the whole
// configuration read.
struct CommsSession : RadioSession
{
    SimComms &comms() { return *SimComms::of(sim.communicator()); }

    // Shows a settings page the way the user reaches it.
    void openSettingsPage(QWidget *page)
    {
        ui()->twMain->setCurrentWidget(ui()->tabSettings);
        ui()->swSettings->setCurrentWidget(page);
    }
};

// Pictures for a reviewer to look at; nothing compares their pixels.
inline bool saveScreenshot(QWidget *widget, const QString &name)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(path);
    return widget->grab().save(path, "PNG");
}
