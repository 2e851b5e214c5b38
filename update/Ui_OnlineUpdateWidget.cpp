#include "update/Ui_OnlineUpdateWidget.h"

#include "update/OnlineUpdateWidget.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSpacerItem>
#include <QTableView>
#include <QTextEdit>

namespace {
QPushButton *button(QWidget *page, const char *name, const char *icon, int minWidth)
{
    auto *result = new QPushButton(page);
    result->setObjectName(QLatin1String(name));
    if (icon)
        result->setIcon(QIcon(QLatin1String(icon)));
    result->setMinimumSize(minWidth, 30);
    return result;
}

QPushButton *wideButton(QWidget *page, const char *name, const char *icon)
{
    QPushButton *result = button(page, name, icon, 160);
    result->setMaximumWidth(160);
    return result;
}

QLabel *makeLabel(QWidget *page, const char *name, int minWidth, int minHeight)
{
    auto *result = new QLabel(page);
    result->setObjectName(QLatin1String(name));
    result->setMinimumSize(minWidth, minHeight);
    QFont font = result->font();
    font.setPointSize(10);
    result->setFont(font);
    return result;
}
} // namespace

void Ui_OnlineUpdateWidget::setupUi(QWidget *page)
{
    page->setObjectName(QStringLiteral("OnlineUpdateWidget"));
    page->resize(1366, 600);
    gridLayout_3 = new QGridLayout(page);
    gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));
    int left, right, bottom;
    gridLayout_3->getContentsMargins(&left, nullptr, &right, &bottom);
    gridLayout_3->setContentsMargins(left, 0, right, bottom);

    pbOnlyCompatible = button(page, "pbOnlyCompatible", nullptr, 120);
    pbOnlyCompatible->setCheckable(true);
    gridLayout_3->addWidget(pbOnlyCompatible, 0, 0);
    label = new QLabel(page);
    label->setObjectName(QStringLiteral("label"));
    gridLayout_3->addWidget(label, 0, 1);

    gridLayout = new QGridLayout();
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    pbOpen = button(page, "pbOpen", ":/images/black_folder.png", 140);
    gridLayout->addWidget(pbOpen, 0, 0, 1, 2);
    pbCheck = button(page, "pbCheck", ":/images/ethernet.png", 140);
    gridLayout->addWidget(pbCheck, 1, 0);
    pbOnlineCheckSetup = button(page, "pbOnlineCheckSetup", ":/images/gear.png", 0);
    pbOnlineCheckSetup->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    gridLayout->addWidget(pbOnlineCheckSetup, 1, 1);
    gridLayout_3->addLayout(gridLayout, 0, 2, 2, 1);

    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    lblStatus = makeLabel(page, "lblStatus", 140, 30);
    horizontalLayout->addWidget(lblStatus);
    lblLoadedFirm = makeLabel(page, "lblLoadedFirm", 0, 30);
    lblLoadedFirm->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalLayout->addWidget(lblLoadedFirm);
    pbStop = wideButton(page, "pbStop", ":/images/delete.png");
    horizontalLayout->addWidget(pbStop);
    pbUpdate = wideButton(page, "pbUpdate", ":/images/confirm.png");
    horizontalLayout->addWidget(pbUpdate);
    horizontalLayout->setStretch(0, 1);
    gridLayout_3->addLayout(horizontalLayout, 0, 3);

    lvFirmwares = new QListView(page);
    lvFirmwares->setObjectName(QStringLiteral("lvFirmwares"));
    lvFirmwares->setFixedWidth(500);
    lvFirmwares->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridLayout_3->addWidget(lvFirmwares, 1, 0, 2, 2);

    horizontalLayout_2 = new QHBoxLayout();
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    pbProgress = new QProgressBar(page);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setMinimumSize(120, 30);
    pbProgress->setFormat(QStringLiteral("%p%"));
    pbProgress->setValue(0);
    horizontalLayout_2->addWidget(pbProgress);
    pbSelectAll = wideButton(page, "pbSelectAll", ":/images/select_all.png");
    horizontalLayout_2->addWidget(pbSelectAll);
    pbDeselectAll = wideButton(page, "pbDeselectAll", ":/images/deselect_all.png");
    horizontalLayout_2->addWidget(pbDeselectAll);
    pbOnlyDeprecated = wideButton(page, "pbOnlyDeprecated", ":/images/select_one.png");
    horizontalLayout_2->addWidget(pbOnlyDeprecated);
    gridLayout_3->addLayout(horizontalLayout_2, 1, 3);

    tvUpdate = new QTableView(page);
    tvUpdate->setObjectName(QStringLiteral("tvUpdate"));
    tvUpdate->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    tvUpdate->setSortingEnabled(true);
    tvUpdate->horizontalHeader()->setDefaultSectionSize(60);
    tvUpdate->horizontalHeader()->setStretchLastSection(true);
    gridLayout_3->addWidget(tvUpdate, 2, 2, 1, 2);

    gridLayout_2 = new QGridLayout();
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    gridLayout_2->setVerticalSpacing(0);
    teNotify = new QTextEdit(page);
    teNotify->setObjectName(QStringLiteral("teNotify"));
    teNotify->setFixedWidth(500);
    teNotify->setMinimumHeight(260);
    teNotify->setReadOnly(true);
    gridLayout_2->addWidget(teNotify, 0, 0, 2, 1);
    horizontalLayout_3 = new QHBoxLayout();
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    lblType = makeLabel(page, "lblType", 120, 23);
    lblVersion = makeLabel(page, "lblVersion", 120, 23);
    lblExecution = makeLabel(page, "lblExecution", 120, 23);
    lblModification = makeLabel(page, "lblModification", 120, 23);
    lblSerial = makeLabel(page, "lblSerial", 120, 23);
    for (QLabel *info : {lblType, lblVersion, lblExecution, lblModification, lblSerial})
        horizontalLayout_3->addWidget(info);
    horizontalLayout_3->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding));
    gridLayout_2->addLayout(horizontalLayout_3, 0, 1);
    tvMasters = new QTableView(page);
    tvMasters->setObjectName(QStringLiteral("tvMasters"));
    tvMasters->setFixedHeight(240);
    tvMasters->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tvMasters->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tvMasters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvMasters->setSelectionMode(QAbstractItemView::NoSelection);
    tvMasters->horizontalHeader()->setMinimumSectionSize(20);
    tvMasters->horizontalHeader()->setDefaultSectionSize(20);
    tvMasters->horizontalHeader()->setStretchLastSection(true);
    tvMasters->verticalHeader()->setVisible(false);
    gridLayout_2->addWidget(tvMasters, 1, 1);
    gridLayout_3->addLayout(gridLayout_2, 3, 0, 1, 4);
    gridLayout_3->setRowStretch(2, 1);

    retranslateUi(page);
}

void Ui_OnlineUpdateWidget::retranslateUi(QWidget *)
{
    pbOnlyCompatible->setText(OnlineUpdateWidget::tr("Only compatible"));
    label->setText(OnlineUpdateWidget::tr("Firmwares:"));
    pbOpen->setText(OnlineUpdateWidget::tr("Open file"));
    pbCheck->setText(OnlineUpdateWidget::tr("Check"));
    lblStatus->setText(OnlineUpdateWidget::tr("No information"));
    lblLoadedFirm->setText(OnlineUpdateWidget::tr("No information"));
    pbStop->setText(OnlineUpdateWidget::tr("Stop"));
    pbUpdate->setText(OnlineUpdateWidget::tr("Update"));
    pbSelectAll->setText(OnlineUpdateWidget::tr("Select all"));
    pbDeselectAll->setText(OnlineUpdateWidget::tr("Deselect all"));
    pbOnlyDeprecated->setText(OnlineUpdateWidget::tr("Only deprecated"));
    lblType->setText(OnlineUpdateWidget::tr("Korvel GSM"));
    lblVersion->setText(OnlineUpdateWidget::tr("Version:"));
    lblExecution->setText(OnlineUpdateWidget::tr("Execution:"));
    lblModification->setText(OnlineUpdateWidget::tr("Modification:"));
    lblSerial->setText(OnlineUpdateWidget::tr("Serial number:"));
}
