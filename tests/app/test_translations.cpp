#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The translation file is refreshed from the sources with the project's own script, into a
// copy; every text must have its finished Russian, and the committed file must already be
// what the refresh gives, so a new text cannot land without its translation.
namespace {

const QString committedFile = QStringLiteral(KORVEL_SOURCE_DIR "/resources/translations/velmis.ts");

struct Message
{
    QString source;
    QStringList forms; // one, or each plural form of a numerus text
    bool finished = true;
};

// Context, source and disambiguation, shown as the test reports them.
using MessageKey = QString;
using Messages = QMap<MessageKey, Message>;

MessageKey keyOf(const QString &context, const QString &source, const QString &comment)
{
    QString key = context + QStringLiteral(": \"") + source + '"';
    if (!comment.isEmpty())
        key += QStringLiteral(" (") + comment + ')';
    return key;
}

// The text of the current element, with the control characters lupdate writes as
// <byte value="xd"/>; a <numerusform> child ends up in `forms`.
QString readText(QXmlStreamReader &xml, QStringList *forms = nullptr)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            const bool hex = value.startsWith(QLatin1Char('x'));
            text += QChar(value.mid(hex ? 1 : 0).toUInt(nullptr, hex ? 16 : 10));
            ++depth;
        } else if (xml.isStartElement() && forms && xml.name() == QLatin1String("numerusform")) {
            *forms << readText(xml);
        } else if (xml.isStartElement()) {
            ++depth;
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return text;
}

Message readTranslation(QXmlStreamReader &xml)
{
    Message message;
    message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
    const QString text = readText(xml, &message.forms);
    if (message.forms.isEmpty())
        message.forms << text;
    return message;
}

Messages readMessages(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    Messages messages;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("name"))
                context = readText(xml);
            else if (name == QLatin1String("message"))
                comment.clear(); // a message without one has no disambiguation
            else if (name == QLatin1String("source"))
                source = readText(xml);
            else if (name == QLatin1String("comment"))
                comment = readText(xml);
            else if (name == QLatin1String("translation"))
                message = readTranslation(xml);
        } else if (xml.isEndElement() && name == QLatin1String("message")) {
            message.source = source;
            messages.insert(keyOf(context, source, comment), message);
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+|%n"));
    QStringList found;
    auto matches = placeholder.globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured();
    found.sort();
    return found;
}

QString listed(const QStringList &lines)
{
    const int shown = 40;
    QString text = lines.mid(0, shown).join('\n');
    if (lines.size() > shown)
        text += QStringLiteral("\n... and %1 more").arg(lines.size() - shown);
    return text;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString copy = m_dir.filePath(QStringLiteral("velmis.ts"));
        QVERIFY(QFile::copy(committedFile, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        QProcess refresh;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUPDATE"), QStringLiteral(KORVEL_LUPDATE));
        refresh.setProcessEnvironment(env);
        refresh.setProcessChannelMode(QProcess::MergedChannels);
        refresh.start(QStringLiteral("bash"),
                      {QStringLiteral(KORVEL_SOURCE_DIR "/scripts/update-translations.sh"), copy});
        QVERIFY2(refresh.waitForFinished(240000), qPrintable(refresh.errorString()));
        QVERIFY2(refresh.exitStatus() == QProcess::NormalExit && refresh.exitCode() == 0,
                 refresh.readAll().constData());

        QString error;
        m_committed = readMessages(committedFile, &error);
        QVERIFY2(error.isEmpty(), qPrintable(committedFile + QStringLiteral(": ") + error));
        m_refreshed = readMessages(copy, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(m_refreshed.size() > 1000);
    }

    void committedFileHoldsExactlyTheTextsOfTheSources()
    {
        QStringList problems;
        for (auto it = m_refreshed.cbegin(); it != m_refreshed.cend(); ++it) {
            if (!m_committed.contains(it.key()))
                problems << QStringLiteral("not in the file: ") + it.key();
            else if (m_committed.value(it.key()).forms != it->forms)
                problems << QStringLiteral("translation changed by the refresh: ") + it.key();
        }
        for (auto it = m_committed.cbegin(); it != m_committed.cend(); ++it) {
            if (!m_refreshed.contains(it.key()))
                problems << QStringLiteral("no longer in the sources: ") + it.key();
        }
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("run scripts/update-translations.sh and commit the "
                                           "result:\n") +
                            listed(problems)));
    }

    void everyTextHasAFinishedRussianTranslation()
    {
        QStringList problems;
        for (auto it = m_refreshed.cbegin(); it != m_refreshed.cend(); ++it) {
            if (!it->finished) {
                problems << QStringLiteral("unfinished: ") + it.key();
                continue;
            }
            for (const QString &form : it->forms) {
                if (form.trimmed().isEmpty())
                    problems << QStringLiteral("empty: ") + it.key();
                else if (placeholders(form) != placeholders(it->source))
                    problems << QStringLiteral("placeholders differ: ") + it.key() +
                                    QStringLiteral(" -> \"") + form + '"';
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(listed(problems)));
    }

private:
    QTemporaryDir m_dir;
    Messages m_committed;
    Messages m_refreshed;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
