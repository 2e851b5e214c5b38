#include "AnswerBuilder.h"
#include "SignalLog.h"

#include "app/Logger.h"
#include "link/Protocol.h"
#include "support/ModalRecorder.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

using namespace AnswerBuilder;

namespace {
QByteArray errorAnswer(quint8 operation, quint16 code, quint16 id)
{
    QByteArray payload;
    payload.append(char(operation));
    payload.append('\0');
    payload += le16(code) + le16(id);
    return message(0xF0, 0, payload);
}

QString text(quint16 code)
{
    return Protocol::firmwareUpdateErrorString(code);
}

// A refusal no sender waits for: it names the operation only.
QString refused(quint8 operation, quint16 code, quint16 id)
{
    return QStringLiteral("writeRefused(%1,%2,%3,\"%4\",\"%5\")")
        .arg(operation)
        .arg(code)
        .arg(id)
        .arg(PendingWrites::describe(operation), text(code));
}
} // namespace

class TestProtocolErrors : public QObject
{
    Q_OBJECT
private:
    Logger *m_logger = nullptr;
    Protocol *m_protocol = nullptr;

    QStringList logLines(const QSignalSpy &spy) const
    {
        QStringList lines;
        for (const QList<QVariant> &args : spy)
            lines << args.at(2).toString();
        return lines;
    }

private slots:
    void initTestCase()
    {
        Logger::registerMetaType();
        Protocol::registerMetaTypes();
    }

    void init()
    {
        m_logger = new Logger(this);
        // The size log of every construction would drown the test output.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_protocol = new Protocol(nullptr, this);
        QLoggingCategory::setFilterRules(QString());
    }

    void cleanup()
    {
        delete m_protocol;
        delete m_logger;
    }

    void errorTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QString::fromUtf8("Ошибок нет.");
        QTest::newRow("placeholder 1") << 1 << "ERR1";
        QTest::newRow("75 wrong login")
            << 75
            << QString::fromUtf8("Ошибка при попытке авторизации, неверная пара логин/пароль.");
        QTest::newRow("48 shares its text with 49") << 48 << text(49);
        QTest::newRow("98 out of order") << 98 << QString::fromUtf8("Нет ответа на звонок");
        QTest::newRow("116 last of the run") << 116 << QString::fromUtf8("Время ожидания вышло");
        QTest::newRow("2000") << 2000 << QString::fromUtf8("Флешпамять нулевая длинна данных");
        QTest::newRow("3012") << 3012
                              << QString::fromUtf8("Попытка изменения главного администратора");
        QTest::newRow("4015") << 4015 << "CHANNEL_GSM_CALL_NO_ANSWER";
        QTest::newRow("84 has no entry") << 84 << "Unknow error 0x54";
        QTest::newRow("117 after the run") << 117 << "Unknow error 0x75";
        QTest::newRow("0x1234") << 0x1234 << "Unknow error 0x1234";
        QTest::newRow("0xffff") << 0xFFFF << "Unknow error 0xffff";
        QTest::newRow("2006") << 2006 << "Unknow error 0x7d6";
    }

    void errorTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(Protocol::firmwareUpdateErrorString(e_m_err(code)), text);
    }

    void errorAnswers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("expectedSignals");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("lines");

        const auto row = [](const char *name, const QByteArray &answer, const QStringList &signals_,
                            const QStringList &boxes, const QStringList &lines) {
            QTest::newRow(name) << answer << signals_ << boxes << lines;
        };
        row("login refused", errorAnswer(0x01, 75, 0), {"loginStatus(1,255,0)"}, {},
            {"[E]: Error while operation 0x1: " + text(75)});
        row("journal mutex timeout asks again", errorAnswer(0x32, 0x57, 12), {}, {},
            {"[W]: Mutex timeout error. Journal id: 12"});
        row("journal decrypt error asks again", errorAnswer(0x32, 0x53, 12), {}, {},
            {"[W]: Decrypt journal data error. Journal id: 12"});
        row("journal CRC error", errorAnswer(0x32, 0x44, 12), {"journalEntry(12,rec)"}, {},
            {"[W]: CRC Error. Journal id: 12"});
        row("journal entry empty", errorAnswer(0x32, 0x4F, 12), {"journalEntry(12,rec)"}, {},
            {"[W]: Journal event empty. Journal id: 12"});
        row("journal other error", errorAnswer(0x32, 5, 12), {}, {},
            {"[W]: Unknown journal read error. Journal id: 12  error code: 5"});
        // A refused write or deletion is handed on once, to be shown with what it was about.
        row("partition settings", errorAnswer(0x6F, 93, 1), {refused(0x6F, 93, 1)}, {}, {});
        row("partition number taken", errorAnswer(0x6F, 94, 1), {refused(0x6F, 94, 1)}, {}, {});
        row("partition name taken", errorAnswer(0x6F, 96, 1), {refused(0x6F, 96, 1)}, {}, {});
        row("partition other", errorAnswer(0x6F, 95, 1), {refused(0x6F, 95, 1)}, {}, {});
        row("firmware write 30, no box", errorAnswer(0xBF, 30, 0), {"writeFirmwareCodeError(30)"},
            {}, {});
        row("firmware write 26, no box", errorAnswer(0xBF, 26, 0), {"writeFirmwareCodeError(26)"},
            {}, {});
        row("firmware write 35, no box", errorAnswer(0xBF, 35, 0), {"writeFirmwareCodeError(35)"},
            {}, {});
        row("firmware write 25 with box", errorAnswer(0xBF, 25, 0), {"writeFirmwareCodeError(25)"},
            {"warning|Error fw update|" + text(25)}, {});
        row("firmware write 36 with box", errorAnswer(0xBF, 36, 0), {"writeFirmwareCodeError(36)"},
            {"warning|Error fw update|" + text(36)}, {});
        row("firmware header", errorAnswer(0x34, 81, 16), {"firmwareVersion(16,rec)"}, {}, {});
        row("user read CRC", errorAnswer(0x2F, 3000, 2), {}, {},
            {QString::fromUtf8("[E]: Проблема с CRC")});
        row("user write", errorAnswer(0x79, 3004, 2), {refused(0x79, 3004, 2)}, {},
            {"[E]: Error writing user from configuration"});
        row("take on without rights", errorAnswer(0x51, 77, 0), {refused(0x51, 77, 0)}, {},
            {QString::fromUtf8("[E]: Недостаточно прав для совершения данной операции!")});
        row("take off other error", errorAnswer(0x52, 5, 0), {refused(0x52, 5, 0)}, {}, {});
        row("key deletion", errorAnswer(0x96, 78, 4), {refused(0x96, 78, 4)}, {},
            {"[E]: Error while operation 0x96: " + text(78)});
        row("reset", errorAnswer(0x02, 78, 5), {refused(0x02, 78, 5)}, {}, {});
        row("settings versions", errorAnswer(0x54, 100, 0), {}, {},
            {"[E]: Error while _MenuConfigGetSupportedSettingsVersions"});
        row("update command", errorAnswer(0xC0, 28, 4), {"writeFirmwareCodeError(28)"}, {}, {});
        row("stop update", errorAnswer(0xC1, 29, 0), {"writeFirmwareCodeError(29)"}, {}, {});
        row("erase flash", errorAnswer(0xC2, 2001, 0), {"writeFirmwareCodeError(2001)"}, {}, {});
        row("update status", errorAnswer(0xC3, 61, 0), {"writeFirmwareCodeError(61)"}, {}, {});
        row("password required", errorAnswer(0x23, 76, 0), {"loginRequired(-1)"}, {},
            {QString::fromUtf8("[E]: Требуется ввод пароля")});
        row("access level", errorAnswer(0x74, 77, 0), {refused(0x74, 77, 0)}, {},
            {QString::fromUtf8("[E]: Недостаточно прав для совершения данной операции!")});
        row("coordinator off", errorAnswer(0xB4, 80, 0), {}, {},
            {QString::fromUtf8("[E]: Ошибка возникает при попытке отправки команд в выключенный "
                               "координатор (например команду разрешения конфигурирования "
                               "датчиков)")});
        row("radio device limit", errorAnswer(0xB4, 90, 0), {"addSensorsStatus(false)"}, {},
            {QString::fromUtf8("[E]: Ошибка достигнуто максимальное количество датчиков")});
        row("firmware address", errorAnswer(0x23, 27, 0), {"writeFirmwareCodeError(27)"}, {},
            {"[E]: " + text(27)});
        row("settings memory empty", errorAnswer(0x2B, 104, 0),
            {"memEmptyError(\"" + text(104) + "\")"}, {},
            {"[E]: Error while operation 0x2b: " + text(104), "[E]: " + text(104)});
        row("unknown code", errorAnswer(0x6E, 84, 3), {refused(0x6E, 84, 3)}, {},
            {"[E]: Error while operation 0x6e: Unknow error 0x54", "[E]: Unknow error 0x54"});
    }

    void errorAnswers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, expectedSignals);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, lines);
        ModalRecorder modals;
        SignalLog log(m_protocol);
        QSignalSpy spy(m_logger, &Logger::message);

        m_protocol->onMessageReceived(answer);

        QCOMPARE(log.summary(), expectedSignals);
        QStringList shown;
        for (const ModalAnswerer::Request &request : modals.seen)
            shown << request.kind + '|' + request.title + '|' + request.text;
        QCOMPARE(shown, boxes);
        const QStringList logged = logLines(spy);
        for (const QString &line : lines)
            QVERIFY2(logged.contains(line), qPrintable(logged.join('\n')));
        if (!log.entries.isEmpty() &&
            SignalLog::isRecord(log.entries.first().args.last().userType()))
            QCOMPARE(log.firstRecord(), QByteArray(log.firstRecord().size(), '\0'));
    }

    // A refusal reaches the object that sent that operation for that identifier, once; a
    // later write of the same block without a sender leaves nobody to tell.
    void refusalsReachTheirSender()
    {
        QObject partitionOne;
        QObject partitionTwo;
        QList<QPair<QObject *, quint16>> told;
        const auto sender = [&told](QObject *object) {
            PendingWrites::Sender entry;
            entry.object = object;
            entry.name = object == nullptr ? QString() : QStringLiteral("Office");
            entry.onRefused = [&told, object](const WriteRefusal &refusal) {
                told.append({object, refusal.code});
            };
            return entry;
        };
        const s_ExtMemDataPartition block{};
        {
            const Protocol::SenderScope scope(m_protocol, sender(&partitionOne));
            m_protocol->writePartitionData(1, block);
        }
        {
            const Protocol::SenderScope scope(m_protocol, sender(&partitionTwo));
            m_protocol->writePartitionData(2, block);
            m_protocol->writeOutputData(1, s_ExtMemDataOutput{});
        }
        SignalLog log(m_protocol);
        m_protocol->onMessageReceived(errorAnswer(0x70, 78, 1));
        m_protocol->onMessageReceived(errorAnswer(0x6F, 96, 2));
        m_protocol->onMessageReceived(errorAnswer(0x6F, 96, 2));
        m_protocol->onMessageReceived(errorAnswer(0x6F, 93, 1));
        QCOMPARE(told, (QList<QPair<QObject *, quint16>>{
                           {&partitionTwo, 78}, {&partitionTwo, 96}, {&partitionOne, 93}}));
        QCOMPARE(log.summary().value(1),
                 QStringLiteral("writeRefused(111,96,2,\"%1 \"Office\"\",\"%2\")")
                     .arg(PendingWrites::describe(0x6F), text(96)));

        // Written again outside any sender: the old sender is not told.
        {
            const Protocol::SenderScope scope(m_protocol, sender(&partitionOne));
            m_protocol->writePartitionData(1, block);
        }
        m_protocol->writePartitionData(1, block);
        m_protocol->onMessageReceived(errorAnswer(0x6F, 93, 1));
        QCOMPARE(told.size(), 3);
    }

    // A device that keeps failing an entry gets a bounded number of requests; then the
    // entry is handed on as unreadable, as for the other journal failures.
    void journalRetriesAreBounded()
    {
        SignalLog log(m_protocol);
        QSignalSpy spy(m_logger, &Logger::message);
        for (int attempt = 0; attempt < Protocol::journalRetryLimit; ++attempt) {
            m_protocol->onMessageReceived(errorAnswer(0x32, attempt % 2 ? 0x53 : 0x57, 12));
            QVERIFY(log.entries.isEmpty());
        }
        m_protocol->onMessageReceived(errorAnswer(0x32, 0x57, 12));
        QCOMPARE(log.summary(), QStringList{"journalEntry(12,rec)"});
        QCOMPARE(log.firstRecord(), QByteArray(256, '\0'));
        QVERIFY(logLines(spy).contains("[W]: Journal entry 12 still unreadable after 3 attempts"));

        // The count starts afresh for the next failure of the same entry.
        log.clear();
        m_protocol->onMessageReceived(errorAnswer(0x32, 0x57, 12));
        QVERIFY(log.entries.isEmpty());
    }

    void journalRetryCountResetByAGoodEntry()
    {
        SignalLog log(m_protocol);
        for (int attempt = 0; attempt < Protocol::journalRetryLimit; ++attempt)
            m_protocol->onMessageReceived(errorAnswer(0x32, 0x57, 7));
        m_protocol->onMessageReceived(message(0x32, 7, sealed(256, 244)));
        log.clear();
        for (int attempt = 0; attempt < Protocol::journalRetryLimit; ++attempt)
            m_protocol->onMessageReceived(errorAnswer(0x32, 0x57, 7));
        QVERIFY(log.entries.isEmpty());
        // Other entries keep counts of their own.
        m_protocol->onMessageReceived(errorAnswer(0x32, 0x57, 8));
        QVERIFY(log.entries.isEmpty());
    }

    void popUpMessages_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("simple text") << message(0x4C, 0, QByteArray("\x01\x02Hello\0junk", 12))
                                     << "Pop-up Usb message simple text"
                                     << "Hello";
        QTest::newRow("balance") << message(0x4C, 1,
                                            QByteArray("..") +
                                                QString::fromUtf8("Баланс 12 р").toUtf8() +
                                                QByteArray(1, '\0'))
                                 << "Balance request answer" << QString::fromUtf8("Баланс 12 р");
        QTest::newRow("unknown kind, text to the message end")
            << message(0x4C, 7, QByteArray("..no end")) << "Unknown pop-up Usb message"
            << "no end";
        QTest::newRow("no text at all")
            << message(0x4C, 0, QByteArray("x")) << "Pop-up Usb message simple text"
            << "";
    }

    void popUpMessages()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, title);
        QFETCH(QString, text);
        ModalRecorder modals;
        m_protocol->onMessageReceived(answer);
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(modals.seen.first().kind, QString("warning"));
        QCOMPARE(modals.seen.first().title, title);
        QCOMPARE(modals.seen.first().text, text);
    }
};

QTEST_MAIN(TestProtocolErrors)
#include "test_protocol_errors.moc"
