#include "app/AboutDialog.h"

#include "app/Overmind.h"

#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpacerItem>

namespace {
// Shared by every about box of the run: a sequence may start in one and end in the next.
QString &keyBuffer()
{
    static QString buffer;
    return buffer;
}
const char *const BuildNumber = "5265";
const char *const Revision = "";
} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setupUi();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    m_version->setText(QStringLiteral("1.3"));
    m_build->setText(buildText());
    m_date->setText(buildDateText(__DATE__));
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
}

void AboutDialog::setupUi()
{
    setObjectName(QStringLiteral("AboutDialog"));
    resize(521, 314);
    setMouseTracking(true);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("label_3"));
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    grid->addWidget(logo, 0, 0, 5, 1);
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 0, 1);

    QFont titleFont(QStringLiteral("Arial"), 16);
    titleFont.setBold(true);
    const QFont textFont(QStringLiteral("Arial"), 12);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("label_2"));
    m_title->setFont(titleFont);
    grid->addWidget(m_title, 1, 1, 1, 3);
    m_versionCaption = new QLabel(this);
    m_versionCaption->setObjectName(QStringLiteral("label_4"));
    m_versionCaption->setFont(textFont);
    grid->addWidget(m_versionCaption, 2, 1);
    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setFont(textFont);
    grid->addWidget(m_version, 2, 2, 1, 2);
    m_build = new QLabel(this);
    m_build->setObjectName(QStringLiteral("lblBuild"));
    grid->addWidget(m_build, 3, 1);
    m_date = new QLabel(this);
    m_date->setObjectName(QStringLiteral("lblDate"));
    grid->addWidget(m_date, 3, 2, 1, 2);
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 4, 1);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 5, 0, 1, 4);
    m_contacts = new QLabel(this);
    m_contacts->setObjectName(QStringLiteral("label"));
    m_contacts->setAlignment(Qt::AlignCenter);
    m_contacts->setTextFormat(Qt::RichText);
    m_contacts->setOpenExternalLinks(true);
    grid->addWidget(m_contacts, 6, 0, 1, 4);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("pushButton"));
    grid->addWidget(m_close, 8, 3);
    retranslateUi();
}

void AboutDialog::retranslateUi()
{
    setWindowTitle(tr("About"));
    m_title->setText(QStringLiteral("Конфигуратор Korvel GSM Р"));
    m_versionCaption->setText(tr("Version:"));
    m_contacts->setText(tr("<p>Ardanet, 2019-2026<br>Phone: +7 000 000-00-00<br>"
                           "<a href=\"https://ardanet.example\">ardanet.example</a> &middot; "
                           "<a href=\"mailto:support@ardanet.example\">support@ardanet.example</a>"
                           "</p>"));
    m_close->setText(tr("Close"));
}

QString AboutDialog::buildText()
{
    QString text =
        QStringLiteral("%1 (%2)").arg(QLatin1String(BuildNumber), QLatin1String(Revision));
    if (text.endsWith(QLatin1String("()")))
        text.chop(2);
    return text;
}

QString AboutDialog::buildDateText(const char *compilerDate)
{
    const QString date =
        QString::fromLatin1(compilerDate).replace(QLatin1String("  "), QLatin1String(" "));
    return QLocale(QLocale::English).toDate(date, QStringLiteral("MMM d yyyy")).toString();
}

bool AboutDialog::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        onKeyPress(static_cast<QKeyEvent *>(event)->key());
        return true;
    }
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ShortcutOverride)
        return true;
    return QDialog::event(event);
}

void AboutDialog::onKeyPress(int key)
{
    QString &buffer = keyBuffer();
    if (buffer.size() > 100)
        buffer = buffer.right(30);
    buffer.append(QChar(ushort(key)));
    Overmind *overmind = Overmind::instance();
    if (buffer.right(8) == QLatin1String("71946283")) {
        if (overmind)
            overmind->setDebugMode(true);
        emit showDebugTab();
    } else if (buffer.right(8).toLower() == QLatin1String("05179362")) {
        if (overmind)
            overmind->setDebugMode(false);
        emit hideDebugTab();
    }
}
