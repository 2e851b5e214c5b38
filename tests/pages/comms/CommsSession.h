#pragma once

#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "app/StartUp.h"
#include "app/Ui_MainWindow.h"
#include "sim/SimComms.h"
#include "sim/SimulatedSetup.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

constexpr int SessionTimeout = 60000;

// The program started against the simulated communicator, logged in with the whole
// configuration read.
struct CommsSession
{
    SimulatedSetup sim;
    StartUp startUp;

    CommsSession() { startUp.begin({}); }
    Overmind *overmind() { return startUp.overmind(); }
    MainWindow *window() { return startUp.window(); }
    Ui_MainWindow *ui() { return startUp.window()->form(); }
    SimCommunicator &device() { return sim.communicator(); }
    SimComms &comms() { return *SimComms::of(sim.communicator()); }

    bool logInAndLoad()
    {
        window()->show();
        if (!QTest::qWaitFor(
                [this] {
                    return overmind()->loginWidget() && overmind()->loginWidget()->isVisible();
                },
                SessionTimeout))
            return false;
        LoginWidget *dialog = overmind()->loginWidget();
        dialog->findChild<QLineEdit *>("leLogin")->setText(SimulatedSetup::Login);
        dialog->findChild<QLineEdit *>("lePassword")->setText(SimulatedSetup::Password);
        QSignalSpy ready(overmind(), &Overmind::ready);
        QTest::mouseClick(dialog->findChild<QPushButton *>("pbLogin"), Qt::LeftButton);
        return QTest::qWaitFor([&ready] { return ready.count() > 0; }, 120000);
    }

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
