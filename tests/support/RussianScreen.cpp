#include "support/RussianScreen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTreeView>

namespace {

// Brand names, codes and units that stay Latin in the Russian program.
const QStringList keptWords{
    QStringLiteral("Korvel"),     QStringLiteral("GSM"),      QStringLiteral("GSMR"),
    QStringLiteral("KorvelGSMR"), QStringLiteral("LTE"),      QStringLiteral("GPRS"),
    QStringLiteral("EDGE"),       QStringLiteral("SIM"),      QStringLiteral("SMS"),
    QStringLiteral("USSD"),       QStringLiteral("PIN"),      QStringLiteral("PUK"),
    QStringLiteral("APN"),        QStringLiteral("IMEI"),     QStringLiteral("IP"),
    QStringLiteral("IPv"),        QStringLiteral("URL"),      QStringLiteral("DNS"),
    QStringLiteral("MAC"),        QStringLiteral("Ethernet"), QStringLiteral("WEB"),
    QStringLiteral("Web"),        QStringLiteral("USB"),      QStringLiteral("Quenor"),
    QStringLiteral("SurGard"),    QStringLiteral("DC"),       QStringLiteral("SIA"),
    QStringLiteral("RSSI"),       QStringLiteral("Tarvo"),    QStringLiteral("Pellan"),
    QStringLiteral("Halvor"),     QStringLiteral("Zentia"),   QStringLiteral("JSON"),
    QStringLiteral("dmia"),       QStringLiteral("Flash"),    QStringLiteral("CO"),
    QStringLiteral("ppm"),        QStringLiteral("ID"),       QStringLiteral("id"),
    QStringLiteral("iButton"),    QStringLiteral("UTF"),      QStringLiteral("HTTP"),
    QStringLiteral("FTP"),        QStringLiteral("SOCKS"),    QStringLiteral("OK"),
    QStringLiteral("Cloud")};

QString plain(const QString &text)
{
    if (Qt::mightBeRichText(text))
        return QTextDocumentFragment::fromHtml(text).toPlainText();
    return text;
}

void addModelTexts(const QAbstractItemView *view, const QModelIndex &parent, QStringList &texts)
{
    const QAbstractItemModel *model = view->model();
    const auto *tree = qobject_cast<const QTreeView *>(view);
    for (int row = 0; row < model->rowCount(parent); ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            texts << index.data(Qt::DisplayRole).toString();
            if (column == 0 && tree && tree->isExpanded(index))
                addModelTexts(view, index, texts);
        }
    }
}

void addViewTexts(const QAbstractItemView *view, QStringList &texts)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
    addModelTexts(view, view->rootIndex(), texts);
}

QStringList textsOf(const QWidget *widget)
{
    QStringList texts;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        texts << plain(label->text());
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        texts << QString(button->text()).remove(QLatin1Char('&'));
    else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        texts << QString(group->title()).remove(QLatin1Char('&'));
    else if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        texts << combo->currentText();
    else if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        texts << (edit->text().isEmpty() ? edit->placeholderText() : QString());
    else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            texts << QString(tabs->tabText(tab)).remove(QLatin1Char('&'));
    } else if (const auto *view = qobject_cast<const QAbstractItemView *>(widget)) {
        if (!qobject_cast<const QHeaderView *>(widget))
            addViewTexts(view, texts);
    }
    if (const auto *spin = qobject_cast<const QSpinBox *>(widget))
        texts << spin->prefix() << spin->suffix();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        texts << spin->specialValueText();
    return texts;
}

} // namespace

RussianScreen::RussianScreen()
{
    m_loaded = m_translator.load(QStringLiteral(":/tr/translations/velmis.qm"));
    if (m_loaded)
        QCoreApplication::installTranslator(&m_translator);
}

RussianScreen::~RussianScreen()
{
    if (m_loaded)
        QCoreApplication::removeTranslator(&m_translator);
}

QStringList RussianScreen::englishTexts(const QWidget *root, const QStringList &allowed)
{
    // A word with a digit is a model, code or login (T24, IPv4, SIM1), not English.
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9]+"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    QList<const QWidget *> widgets{root};
    for (const QWidget *child : root->findChildren<QWidget *>())
        if (child->isVisibleTo(root))
            widgets << child;
    QStringList english;
    for (const QWidget *widget : widgets) {
        for (const QString &text : textsOf(widget)) {
            auto words = word.globalMatch(text);
            while (words.hasNext()) {
                const QString found = words.next().captured();
                if (!found.contains(digit) && !keptWords.contains(found) &&
                    !allowed.contains(found)) {
                    english << widget->objectName() + QStringLiteral(": ") + text;
                    break;
                }
            }
        }
    }
    english.removeDuplicates();
    return english;
}
