// Builds a property tree of 300 rows in the tree browser, shows it, then refreshes
// every value; prints the mean wall time of each step.
#include "propertyeditor/QtBoolPropertyManager.h"
#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtGroupPropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"
#include "propertyeditor/QtTreePropertyBrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

namespace {
const int groupCount = 30;
const int perKind = 3; // integers, booleans and enumerations per group: 30 + 30 * 9 = 300
const int rounds = 5;

struct Scene
{
    QtGroupPropertyManager groups;
    QtIntPropertyManager ints;
    QtBoolPropertyManager bools;
    QtEnumPropertyManager enums;
    QList<QtProperty *> intProps;
    QList<QtProperty *> boolProps;
    QList<QtProperty *> enumProps;
};

void build(Scene &scene, QtTreePropertyBrowser &browser)
{
    const QStringList options{"Low", "Medium", "High", "Maximum"};
    for (int g = 0; g < groupCount; ++g) {
        QtProperty *group = scene.groups.addProperty(QStringLiteral("Group %1").arg(g));
        for (int i = 0; i < perKind; ++i) {
            QtProperty *n = scene.ints.addProperty(QStringLiteral("Level %1").arg(i));
            scene.ints.setRange(n, 0, 1000);
            scene.ints.setSuffix(n, QStringLiteral(" ms"));
            group->addSubProperty(n);
            scene.intProps << n;
            QtProperty *b = scene.bools.addProperty(QStringLiteral("Enabled %1").arg(i));
            scene.bools.setCaptions(b, {QStringLiteral("Off"), QStringLiteral("On")});
            group->addSubProperty(b);
            scene.boolProps << b;
            QtProperty *e = scene.enums.addProperty(QStringLiteral("Mode %1").arg(i));
            scene.enums.setEnumNames(e, options);
            group->addSubProperty(e);
            scene.enumProps << e;
        }
        browser.addProperty(group);
    }
}

void refresh(Scene &scene, int round)
{
    for (QtProperty *n : qAsConst(scene.intProps))
        scene.ints.setValue(n, (round * 37 + 1) % 1000);
    for (QtProperty *b : qAsConst(scene.boolProps))
        scene.bools.setValue(b, round % 2 == 0);
    for (QtProperty *e : qAsConst(scene.enumProps))
        scene.enums.setValue(e, (round + 1) % 4);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    qint64 buildTotal = 0;
    qint64 refreshTotal = 0;
    for (int round = 0; round < rounds; ++round) {
        QtTreePropertyBrowser browser;
        browser.resize(600, 800);
        Scene scene;
        QElapsedTimer timer;
        timer.start();
        build(scene, browser);
        browser.show();
        if (!QTest::qWaitForWindowExposed(&browser)) {
            std::fprintf(stderr, "window never exposed\n");
            return 1;
        }
        QApplication::processEvents();
        buildTotal += timer.nsecsElapsed();

        timer.restart();
        refresh(scene, round);
        QApplication::processEvents();
        refreshTotal += timer.nsecsElapsed();
        browser.clear();
    }
    std::printf("property_browser_build_and_show_300_ms: %.2f\n", buildTotal / 1e6 / rounds);
    std::printf("property_browser_refresh_300_ms: %.2f\n", refreshTotal / 1e6 / rounds);
    std::fflush(stdout);
    return 0;
}
