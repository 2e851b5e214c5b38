#include "app/KeyboardLayoutWatcher.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace {
struct LayoutRow
{
    const char *name;
    const char *code;
};

const LayoutRow LayoutTable[] = {
    {"00000402", "bg"}, {"00000404", "ch"},  {"00000405", "cz"},  {"00000406", "dk"},
    {"00000407", "gr"}, {"00000408", "gk"},  {"00000409", "us"},  {"0000040A", "sp"},
    {"0000040B", "su"}, {"0000040C", "fr"},  {"0000040E", "hu"},  {"0000040F", "is"},
    {"00000410", "it"}, {"00000411", "jp"},  {"00000412", "ko"},  {"00000413", "nl"},
    {"00000414", "no"}, {"00000415", "pl"},  {"00000416", "br"},  {"00000418", "ro"},
    {"00000419", "ru"}, {"0000041A", "yu"},  {"0000041B", "sl"},  {"0000041C", "us"},
    {"0000041D", "sv"}, {"0000041F", "tr"},  {"00000422", "us"},  {"00000423", "us"},
    {"00000424", "yu"}, {"00000425", "et"},  {"00000426", "us"},  {"00000427", "us"},
    {"00000804", "ch"}, {"00000807", "sg"},  {"00000809", "uk"},  {"0000080A", "la"},
    {"0000080C", "be"}, {"00000813", "be"},  {"00000816", "po"},  {"00000C0C", "cf"},
    {"00000C1A", "us"}, {"00001009", "us"},  {"0000100C", "sf"},  {"00001809", "us"},
    {"00010402", "us"}, {"00010405", "cz"},  {"00010407", "gr"},  {"00010408", "gk"},
    {"00010409", "dv"}, {"0001040A", "sp"},  {"0001040E", "hu"},  {"00010410", "it"},
    {"00010415", "pl"}, {"00010419", "ru"},  {"0001041B", "sl"},  {"0001041F", "tr"},
    {"00010426", "us"}, {"00010C0C", "cf"},  {"00010C1A", "us"},  {"00020408", "gk"},
    {"00020409", "us"}, {"00030409", "usl"}, {"00040409", "usr"}, {"00050408", "gk"},
};

// Language identifiers of the layouts above: primary language in the low ten bits,
// sub-language (mostly the country) above them.
struct LanguageId
{
    QLocale::Language language;
    QLocale::Country country; // AnyCountry: the language's default
    quint16 id;
};

const LanguageId LanguageIds[] = {
    {QLocale::Bulgarian, QLocale::AnyCountry, 0x0402},
    {QLocale::Chinese, QLocale::China, 0x0804},
    {QLocale::Chinese, QLocale::AnyCountry, 0x0404},
    {QLocale::Czech, QLocale::AnyCountry, 0x0405},
    {QLocale::Danish, QLocale::AnyCountry, 0x0406},
    {QLocale::German, QLocale::Switzerland, 0x0807},
    {QLocale::German, QLocale::AnyCountry, 0x0407},
    {QLocale::Greek, QLocale::AnyCountry, 0x0408},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809},
    {QLocale::English, QLocale::Canada, 0x1009},
    {QLocale::English, QLocale::Ireland, 0x1809},
    {QLocale::English, QLocale::AnyCountry, 0x0409},
    {QLocale::Spanish, QLocale::Mexico, 0x080A},
    {QLocale::Spanish, QLocale::AnyCountry, 0x040A},
    {QLocale::Finnish, QLocale::AnyCountry, 0x040B},
    {QLocale::French, QLocale::Belgium, 0x080C},
    {QLocale::French, QLocale::Canada, 0x0C0C},
    {QLocale::French, QLocale::Switzerland, 0x100C},
    {QLocale::French, QLocale::AnyCountry, 0x040C},
    {QLocale::Hungarian, QLocale::AnyCountry, 0x040E},
    {QLocale::Icelandic, QLocale::AnyCountry, 0x040F},
    {QLocale::Italian, QLocale::AnyCountry, 0x0410},
    {QLocale::Japanese, QLocale::AnyCountry, 0x0411},
    {QLocale::Korean, QLocale::AnyCountry, 0x0412},
    {QLocale::Dutch, QLocale::Belgium, 0x0813},
    {QLocale::Dutch, QLocale::AnyCountry, 0x0413},
    {QLocale::NorwegianBokmal, QLocale::AnyCountry, 0x0414},
    {QLocale::Polish, QLocale::AnyCountry, 0x0415},
    {QLocale::Portuguese, QLocale::Portugal, 0x0816},
    {QLocale::Portuguese, QLocale::AnyCountry, 0x0416},
    {QLocale::Romanian, QLocale::AnyCountry, 0x0418},
    {QLocale::Russian, QLocale::AnyCountry, 0x0419},
    {QLocale::Croatian, QLocale::AnyCountry, 0x041A},
    {QLocale::Slovak, QLocale::AnyCountry, 0x041B},
    {QLocale::Albanian, QLocale::AnyCountry, 0x041C},
    {QLocale::Swedish, QLocale::AnyCountry, 0x041D},
    {QLocale::Turkish, QLocale::AnyCountry, 0x041F},
    {QLocale::Ukrainian, QLocale::AnyCountry, 0x0422},
    {QLocale::Belarusian, QLocale::AnyCountry, 0x0423},
    {QLocale::Slovenian, QLocale::AnyCountry, 0x0424},
    {QLocale::Estonian, QLocale::AnyCountry, 0x0425},
    {QLocale::Latvian, QLocale::AnyCountry, 0x0426},
    {QLocale::Lithuanian, QLocale::AnyCountry, 0x0427},
    {QLocale::Serbian, QLocale::AnyCountry, 0x0C1A},
};
} // namespace

KeyboardLayoutWatcher::KeyboardLayoutWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &KeyboardLayoutWatcher::onTimer);
    m_timer.start();
}

void KeyboardLayoutWatcher::setWatching(bool watching)
{
    if (!watching) {
        m_timer.stop();
        return;
    }
    if (m_timer.isActive())
        return;
    onTimer();
    m_timer.start();
}

QString KeyboardLayoutWatcher::layoutName(const QLocale &locale)
{
    for (const LanguageId &row : LanguageIds) {
        if (row.language == locale.language() &&
            (row.country == QLocale::AnyCountry || row.country == locale.country()))
            return QStringLiteral("%1").arg(row.id, 8, 16, QLatin1Char('0')).toUpper();
    }
    return QStringLiteral("00000000");
}

QString KeyboardLayoutWatcher::layoutCode(const QString &layoutName)
{
    const QString name = QStringLiteral("00") + layoutName.mid(2);
    for (const LayoutRow &row : LayoutTable) {
        if (name == QLatin1String(row.name))
            return QString::fromLatin1(row.code);
    }
    return QStringLiteral("unknown");
}

void KeyboardLayoutWatcher::onTimer()
{
    const QString code = layoutCode(layoutName(QGuiApplication::inputMethod()->locale()));
    if (code == m_layout)
        return;
    m_layout = code;
    emit layoutChanged(code);
}
