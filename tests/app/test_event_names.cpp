#include "app/EventNames.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>
#include <functional>

namespace {
// Stands in for a loaded translation file: it answers only the "Journal" context.
class JournalTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (QByteArray(context) == "Journal")
            return QStringLiteral("T:") + QString::fromUtf8(sourceText);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

enum Lookup
{
    OutputMode,
    PartitionEvent,
    SystemEvent,
    PowerEvent
};

QString lookup(int which, int code)
{
    switch (which) {
    case OutputMode:
        return outputControlModeName(quint8(code));
    case PartitionEvent:
        return partitionEventName(quint16(code));
    case SystemEvent:
        return systemEventName(quint8(code));
    default:
        return powerEventName(quint16(code));
    }
}
} // namespace

class TestEventNames : public QObject
{
    Q_OBJECT
private slots:
    void names_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QString unknown = QStringLiteral("Unknown event");
        QTest::newRow("mode 0") << int(OutputMode) << 0 << QString::fromUtf8("Внешнее управление");
        QTest::newRow("mode 5") << int(OutputMode) << 5 << QString::fromUtf8("Управление по СО");
        QTest::newRow("mode 6") << int(OutputMode) << 6 << unknown;
        QTest::newRow("mode 255") << int(OutputMode) << 255 << unknown;
        QTest::newRow("partition 0 is empty") << int(PartitionEvent) << 0 << QString();
        QTest::newRow("partition 1")
            << int(PartitionEvent) << 1 << QString::fromUtf8("Неисправность");
        QTest::newRow("partition 2 gap")
            << int(PartitionEvent) << 2 << QStringLiteral("Unknown partition event: 2");
        QTest::newRow("partition 23") << int(PartitionEvent) << 23
                                      << QString::fromUtf8("Пожарное оборудование в норме (ИПР)");
        QTest::newRow("partition 42")
            << int(PartitionEvent) << 42 << QString::fromUtf8("Количество событий по разделу");
        QTest::newRow("partition 43")
            << int(PartitionEvent) << 43 << QStringLiteral("Unknown partition event: 43");
        QTest::newRow("partition 65535")
            << int(PartitionEvent) << 65535 << QStringLiteral("Unknown partition event: 65535");
        QTest::newRow("system 0 reads as unknown") << int(SystemEvent) << 0 << unknown;
        QTest::newRow("system 1") << int(SystemEvent) << 1 << QString::fromUtf8("Добавлен датчик");
        QTest::newRow("system 17")
            << int(SystemEvent) << 17 << QString::fromUtf8("Соединение с сервером восстановлено");
        QTest::newRow("system 18") << int(SystemEvent) << 18 << unknown;
        QTest::newRow("power 0") << int(PowerEvent) << 0
                                 << QStringLiteral("Unknown external power state");
        QTest::newRow("power 1") << int(PowerEvent) << 1
                                 << QString::fromUtf8("Сетевое питание отключено");
        QTest::newRow("power 23")
            << int(PowerEvent) << 23
            << QString::fromUtf8(
                   "Питание от внешней батареи не предусмотрено в этом исполнении прибора");
        QTest::newRow("power 24") << int(PowerEvent) << 24
                                  << QStringLiteral("Unknown external power state");
    }
    void names()
    {
        QFETCH(int, which);
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(lookup(which, code), text);
    }

    void systemTableKeepsIndexZero()
    {
        QCOMPARE(systemEventTable().size(), 18);
        QCOMPARE(systemEventTable().first(), QString::fromUtf8("Нет события"));
    }

    void fallbacksFollowTheTranslation()
    {
        JournalTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(systemEventName(0), QStringLiteral("T:Unknown event"));
        QCOMPARE(partitionEventName(7), QString::fromUtf8("Ожидание квитанции"));
        QCOMPARE(partitionEventName(3), QStringLiteral("T:Unknown partition event: 3"));
        QCOMPARE(powerEventName(99), QStringLiteral("T:Unknown external power state"));
        QCOMPARE(outputControlModeName(1), QString::fromUtf8("Событийный режим"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(systemEventName(0), QStringLiteral("Unknown event"));
    }
};

QTEST_MAIN(TestEventNames)
#include "test_event_names.moc"
