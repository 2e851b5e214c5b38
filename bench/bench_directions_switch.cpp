// Pressing through the directions of the large configuration on the directions page: each
// press binds the direction form and its three channel forms and rebuilds the event tree's
// state. Prints the longest time the GUI thread spends on one press.
#include "app/Logger.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/reporting/DirectionSettingsWidget.h"
#include "pages/reporting/DirectionsWidget.h"
#include "sim/SimDirections.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTableWidget>
#include <QTextStream>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
    Logger logger;
    ModalAnswerer::setHandler([](const ModalAnswerer::Request &) { return int(QMessageBox::No); });
    Overmind overmind;
    overmind.deviceInfo().initForExecution(0, 0, 256, 256);
    DirectionSettingsWidget::setAvailableScreenWidth(1920);
    DirectionsWidget page;
    page.resize(1400, 800);
    page.show();
    emit overmind.setKorvelType();
    DirectionSettings settings(nullptr);
    page.setSettings(&settings);
    for (int i = 0; i < SimDirections::Count; ++i)
        settings.updateSettings(quint8(i), SimDirections::direction(i));
    QCoreApplication::processEvents();

    constexpr int Rounds = 20;
    const int rows = page.table()->rowCount();
    double longest = 0;
    double total = 0;
    QElapsedTimer timer;
    for (int round = 0; round < Rounds; ++round) {
        for (int row = 0; row < rows; ++row) {
            timer.start();
            page.confirmLeave(row, 0);
            QCoreApplication::processEvents();
            const double ms = timer.nsecsElapsed() / 1e6;
            longest = qMax(longest, ms);
            total += ms;
        }
    }
    QTextStream out(stdout);
    out << "directions pressed: " << Rounds * rows << "\n";
    out << "mean GUI pause ms: " << QString::number(total / (Rounds * rows), 'f', 2) << "\n";
    out << "longest GUI pause ms: " << QString::number(longest, 'f', 2) << "\n";
    return 0;
}
