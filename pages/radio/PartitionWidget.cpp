#include "pages/radio/PartitionWidget.h"

#include "app/DeviceInfo.h"
#include "app/IconCache.h"
#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/radio/AddSensorsList.h"
#include "pages/radio/CustomLineEdit.h"
#include "pages/radio/CustomSpinBox.h"
#include "pages/radio/DeleteById.h"
#include "pages/radio/OutSettingsWidget.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/PartitionSelectionWidget.h"
#include "pages/radio/SensorItemDelegate.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorPropertiesWidget.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/LocalOut.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char *const ChangedProperty = "changed";
const char *const LockProperty = "lock";
constexpr int NameLimit = 63;

Overmind *controller()
{
    return Overmind::instance();
}

UserSettings *currentUser()
{
    Overmind *overmind = controller();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (!users)
        return nullptr;
    for (UserSettings *user : users->users())
        if (user && user->id() == overmind->currentUserId())
            return user;
    return nullptr;
}

// One validator for every page's name field: each validator compiles its expression anew
// on first use, which cost more than the rest of a page's name handling.
QValidator *nameValidator()
{
    static QPointer<QRegularExpressionValidator> shared;
    if (!shared)
        shared = new QRegularExpressionValidator(QRegularExpression(PartitionWidget::namePattern()),
                                                 QCoreApplication::instance());
    return shared;
}

void setMarked(QWidget *field, bool changed)
{
    field->setProperty(ChangedProperty, changed);
    field->setStyleSheet(changed ? QStringLiteral("color: #3333ff")
                                 : QStringLiteral("color: black"));
}
} // namespace

QString PartitionWidget::namePattern()
{
    return QString::fromUtf8(
               "^[0-9a-zA-Zа-яА-ЯёЁ№_ ~!@#\\$%\\^&\\*\\+='\\|;:\\(\\)<>\\{\\}\\[\\]\\,"
               "\\.\\?\\/\\-]{0,%1}$")
        .arg(NameLimit);
}

PartitionWidget::PartitionWidget(Partition *partition, PartitionCommandLinkButton *button,
                                 QWidget *parent)
    : QFrame(parent), m_partition(partition), m_button(button)
{
    Overmind *overmind = controller();
    m_protocol = overmind ? overmind->protocol() : nullptr;
    m_addList = new AddSensorsList;
    m_addList->hide();
    buildForm();
    if (m_button)
        m_button->setCheckable(true);
    updateButtonText();
    m_name->setValidator(nameValidator());

    const bool viewing = isViewing();
    if (isRegular()) {
        m_lock->setEnabled(!viewing);
        updateLockLabel();
        m_partitions->setComboEnabled(isEditable() && m_controlEditable);
    } else {
        m_name->setReadOnly(true);
        m_number->setReadOnly(true);
        m_save->hide();
        m_reset->hide();
        if (m_partition && m_partition->isAggregate())
            m_number->hide();
        const int count = overmind ? overmind->deviceInfo().partitionCount() : 0;
        if (m_partition && m_partition->index() == count + 1) {
            m_deleteSelected->hide();
        } else if (viewing && m_partition && !m_partition->isAggregate()) {
            m_number->setValue(17);
            m_partition->setNumber(17);
        }
        for (QWidget *widget : std::initializer_list<QWidget *>{
                 m_autoTakeFromNotTake, m_autoTakeFromAlarm, m_takeDelay, m_partitions, m_status,
                 m_takenInfo, m_lock})
            widget->hide();
        m_lock->setEnabled(false);
        m_name->setText(m_partition ? m_partition->jsonKey() : QString());
    }
    m_sensorModel = new SensorItemModel(m_partition, this);
    m_devices->setModel(m_sensorModel);
    m_devices->setItemDelegate(new SensorItemDelegate(this));
    m_devices->setDragEnabled(m_partition && m_partition->kind() != 0);
    m_sortType->addItems({tr("By id"), tr("By name")});
    m_sortType->setCurrentIndex(m_sensorModel->sortType());
    connectAll();
    const int width = this->width();
    m_splitter->setSizes({int(width * 0.75), int(width * 0.25)});
    onInitWidget();
    if (isRegular())
        onPartitionUpdated();
    if (viewing) {
        m_lock->hide();
        m_status->hide();
        m_allowAdd->setEnabled(false);
        m_deleteSelected->setEnabled(false);
    }
}

PartitionWidget::~PartitionWidget()
{
    // The enrolment list is a window of its own, without a parent.
    delete m_addList.data();
}

void PartitionWidget::buildForm()
{
    setObjectName(QStringLiteral("PartitionWidget"));
    setWindowTitle(tr("Partition"));
    resize(900, 500);
    setFrameShape(QFrame::NoFrame);
    setLineWidth(0);
    auto *page = new QVBoxLayout(this);
    page->setSpacing(3);
    page->setContentsMargins(page->contentsMargins().left(), 0, page->contentsMargins().right(), 0);

    auto *row1 = new QHBoxLayout;
    m_lock = new QPushButton(this);
    m_lock->setObjectName(QStringLiteral("pbLock"));
    m_lock->setEnabled(false);
    m_lock->setCheckable(true);
    m_lock->setFlat(false);
    m_lock->setMinimumHeight(35);
    m_lock->setMaximumWidth(50);
    m_lock->setIcon(IconCache::icon(QStringLiteral(":/images/unlocked.png")));
    m_lock->setIconSize(QSize(30, 30));
    m_lock->setStyleSheet(QStringLiteral(
        "QPushButton {border: none; color: black; font: bold 14px \"Geist\"; background-color: "
        "white; border-radius: 6px;} QPushButton:hover {background-color: lightgray;} "
        "QPushButton:pressed {background-color: #A0A0A0;}"));
    row1->addWidget(m_lock);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setFixedWidth(250);
    m_status->setMinimumHeight(35);
    QFont big = m_status->font();
    big.setPointSize(16);
    big.setBold(true);
    m_status->setFont(big);
    m_status->setText(QString::fromUtf8("Тревога в разделе"));
    row1->addWidget(m_status);
    m_number = new CustomSpinBox(this);
    m_number->setObjectName(QStringLiteral("sbNumber"));
    m_number->setRange(1, 99);
    m_number->setSingleStep(0);
    m_number->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_number->setFrame(false);
    m_number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_number->setFont(big);
    m_number->setMinimumWidth(70);
    m_number->setMaximumWidth(60);
    row1->addWidget(m_number, 1);
    m_name = new CustomLineEdit(this);
    m_name->setObjectName(QStringLiteral("leName"));
    m_name->setMaxLength(62);
    m_name->setFrame(false);
    m_name->setFixedHeight(35);
    QFont nameFont = m_name->font();
    nameFont.setPointSize(16);
    m_name->setFont(nameFont);
    m_name->setText(tr("Partition"));
    row1->addWidget(m_name, 2);
    for (QWidget *field : std::initializer_list<QWidget *>{m_number, m_name}) {
        field->setAttribute(Qt::WA_TranslucentBackground);
        field->setAutoFillBackground(false);
    }
    page->addLayout(row1);

    auto *row2 = new QHBoxLayout;
    m_allowAdd = new QPushButton(this);
    m_allowAdd->setObjectName(QStringLiteral("pbAllowAddSensors"));
    m_allowAdd->setCheckable(true);
    m_allowAdd->setFlat(true);
    m_allowAdd->setMinimumSize(120, 30);
    m_allowAdd->setIcon(IconCache::icon(QStringLiteral(":/images/Add.png")));
    m_allowAdd->setIconSize(QSize(24, 24));
    m_allowAdd->setText(QString::fromUtf8("Добавление РУ"));
    m_allowAdd->setStyleSheet(QStringLiteral("QPushButton:checked {background-color: #C0CCCC;}"));
    row2->addWidget(m_allowAdd);
    m_deleteSelected = new QPushButton(this);
    m_deleteSelected->setObjectName(QStringLiteral("pbDeleteSelectedSensors"));
    m_deleteSelected->setFlat(true);
    m_deleteSelected->setMinimumSize(166, 30);
    m_deleteSelected->setIcon(IconCache::icon(QStringLiteral(":/images/delete.png")));
    m_deleteSelected->setIconSize(QSize(24, 24));
    m_deleteSelected->setText(QString::fromUtf8("Удалить выбранные РУ"));
    row2->addWidget(m_deleteSelected);
    row2->addStretch();
    m_partitions = new PartitionSelectionWidget(this);
    m_partitions->setObjectName(QStringLiteral("partitions"));
    m_partitions->setFocusPolicy(Qt::StrongFocus);
    row2->addWidget(m_partitions, 1);
    page->addLayout(row2);

    auto *row3 = new QHBoxLayout;
    row3->addStretch();
    m_autoTakeFromNotTake = new QCheckBox(tr("Auto take from not take"), this);
    m_autoTakeFromNotTake->setObjectName(QStringLiteral("cbAutoTakeFromNotTake"));
    m_autoTakeFromAlarm = new QCheckBox(tr("Auto take from alarm"), this);
    m_autoTakeFromAlarm->setObjectName(QStringLiteral("cbAutoTakeFromAlarm"));
    m_takeDelay = new QCheckBox(tr("Take delay"), this);
    m_takeDelay->setObjectName(QStringLiteral("cbTakeDelay"));
    row3->addWidget(m_autoTakeFromNotTake);
    row3->addWidget(m_autoTakeFromAlarm);
    row3->addWidget(m_takeDelay);
    page->addLayout(row3);

    auto *row4 = new QHBoxLayout;
    m_sortLabel = new QLabel(tr("Sort type:"), this);
    m_sortLabel->setObjectName(QStringLiteral("lblSort"));
    m_sortType = new QComboBox(this);
    m_sortType->setObjectName(QStringLiteral("cbSortType"));
    m_sortType->setMinimumWidth(150);
    row4->addWidget(m_sortLabel);
    row4->addWidget(m_sortType);
    row4->addStretch();
    m_save =
        new QPushButton(IconCache::icon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumWidth(150);
    m_reset = new QPushButton(IconCache::icon(QStringLiteral(":/images/reset.png")),
                              tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setMinimumWidth(150);
    row4->addWidget(m_save);
    row4->addWidget(m_reset);
    page->addLayout(row4);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_devices = new SensorListView(m_splitter);
    m_devices->setObjectName(QStringLiteral("lvDevices"));
    QFont listFont = m_devices->font();
    listFont.setPointSize(11);
    m_devices->setFont(listFont);
    m_devices->setFocusPolicy(Qt::ClickFocus);
    m_devices->setContextMenuPolicy(Qt::CustomContextMenu);
    m_devices->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_devices->setViewMode(QListView::IconMode);
    m_devices->setIconSize(QSize(96, 96));
    m_devices->setMovement(QListView::Static);
    m_devices->setResizeMode(QListView::Adjust);
    m_devices->setSpacing(20);
    m_properties = new SensorPropertiesWidget(m_splitter);
    m_properties->setObjectName(QStringLiteral("wSensorProperties"));
    m_properties->setMinimumWidth(250);
    m_properties->setMaximumWidth(750);
    m_splitter->addWidget(m_devices);
    m_splitter->addWidget(m_properties);
    page->addWidget(m_splitter, 1);
    m_takenInfo =
        new QLabel(tr("(The settings are only available if the partition is not taken)"), this);
    m_takenInfo->setObjectName(QStringLiteral("lblTakedInfo"));
    m_takenInfo->setMaximumHeight(20);
    page->addWidget(m_takenInfo);

    m_menu = new QMenu(this);
    m_moveMenu = new QMenu(tr("Move to ..."), this);

    setTabOrder(m_lock, m_number);
    setTabOrder(m_number, m_name);
    setTabOrder(m_name, m_allowAdd);
    setTabOrder(m_allowAdd, m_deleteSelected);
    setTabOrder(m_deleteSelected, m_partitions);
    setTabOrder(m_partitions, m_sortType);
    setTabOrder(m_sortType, m_autoTakeFromNotTake);
    setTabOrder(m_autoTakeFromNotTake, m_autoTakeFromAlarm);
    setTabOrder(m_autoTakeFromAlarm, m_takeDelay);
    setTabOrder(m_takeDelay, m_save);
    setTabOrder(m_save, m_reset);
    // The card list takes the height the page is given.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
}

void PartitionWidget::connectAll()
{
    Overmind *overmind = controller();
    if (isRegular()) {
        connect(m_number, &CustomSpinBox::isEnter, this, [this] { m_number->setFrame(true); });
        connect(m_number, &CustomSpinBox::isLeave, this, [this] { m_number->setFrame(false); });
        connect(m_name, &CustomLineEdit::isEnter, this, [this] { m_name->setFrame(true); });
        connect(m_name, &CustomLineEdit::isLeave, this, [this] { m_name->setFrame(false); });
    }
    connect(m_name, &QLineEdit::textChanged, this, &PartitionWidget::markName);
    connect(m_number, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &PartitionWidget::markNumber);
    if (overmind) {
        connect(overmind, &Overmind::ready, this, &PartitionWidget::onReady);
        connect(overmind, &Overmind::loginSuccessful, this,
                [this] { setEnabled(controller() && controller()->canEdit()); });
        connect(overmind, &Overmind::setKorvelType, this, &PartitionWidget::onInitWidget);
    }
    connect(m_sortType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PartitionWidget::onSortTypeChange);
    connect(m_moveMenu, &QMenu::aboutToShow, this, &PartitionWidget::refreshMoveActions);
    if (m_partition) {
        connect(m_partition, &Partition::updated, this, &PartitionWidget::onPartitionUpdated);
        connect(m_partition, &Partition::statusUpdated, this,
                &PartitionWidget::onPartitionStatusUpdated);
        connect(m_partition, &Partition::sensorRemoved, this, &PartitionWidget::onSensorRemoved);
    }
    if (m_button)
        connect(this, &PartitionWidget::visibilityChanded, m_button.data(),
                &QAbstractButton::setChecked);
    connect(m_save, &QPushButton::clicked, this, &PartitionWidget::onPbSaveClicked);
    connect(m_devices, &QWidget::customContextMenuRequested, this,
            &PartitionWidget::listViewContextMenuRequested);
    connect(m_devices, &QAbstractItemView::doubleClicked, this,
            &PartitionWidget::sensorDoubleClicked);
    connect(m_devices->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PartitionWidget::currentSensorChanged);
    const int count = overmind ? overmind->deviceInfo().partitionCount() : 0;
    if (!m_partition || m_partition->index() != count + 1)
        connect(m_devices->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &PartitionWidget::selectionChanged);
    connect(m_allowAdd, &QPushButton::clicked, this, &PartitionWidget::onAllowAddClicked);
    connect(m_deleteSelected, &QPushButton::clicked, this, &PartitionWidget::deleteSelectedSensors);
    auto *deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    deleteKey->setContext(Qt::WindowShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] {
        if (isVisible())
            deleteSelectedSensors();
    });
    if (m_protocol)
        connect(m_protocol, &Protocol::addSensorsStatus, this, &PartitionWidget::onSetStatus);
    connect(m_reset, &QPushButton::clicked, this, &PartitionWidget::onResetClicked);
    connect(m_lock, &QPushButton::clicked, this, &PartitionWidget::onLockClicked);
    connect(m_partitions, &PartitionSelectionWidget::focusOuted, m_sortType,
            [this] { m_sortType->setFocus(); });
    if (PartitionModel *partitions = model()) {
        connect(partitions, &PartitionModel::sensorCountUpdate, this,
                &PartitionWidget::onSensorCountUpdate);
        connect(partitions, &PartitionModel::updateControlPartitions, this,
                &PartitionWidget::onUpdateControlPartitions, Qt::UniqueConnection);
        connect(partitions, &PartitionModel::newSensorConnected, m_addList.data(),
                &AddSensorsList::addSensor);
        connect(partitions, &PartitionModel::selectionReset, this,
                [this] { m_devices->selectionModel()->reset(); });
    }
}

// ---- helpers ----

PartitionModel *PartitionWidget::model() const
{
    // The model the main window built this page's button for.
    if (m_button && m_button->model())
        return m_button->model();
    Overmind *overmind = controller();
    return overmind ? overmind->partitionModel() : nullptr;
}

bool PartitionWidget::isRegular() const
{
    return m_partition && m_partition->kind() == 1;
}

// Viewing a file nothing is armed: the page edits the file.
bool PartitionWidget::isEditable() const
{
    return isViewing() || (m_partition && m_partition->isConfigurable());
}

bool PartitionWidget::isViewing() const
{
    Overmind *overmind = controller();
    return overmind && overmind->isViewingMode();
}

int PartitionWidget::ownIndex() const
{
    return m_partition ? m_partition->index() : -1;
}

bool PartitionWidget::deviceCountAllowsMore() const
{
    Overmind *overmind = controller();
    PartitionModel *partitions = model();
    if (!partitions || !overmind)
        return false;
    // Fewer than the loop and both outputs wraps around and fails, as the device counts.
    return quint32(partitions->sensorCount() - 3) < quint32(overmind->deviceInfo().maxSensors());
}

bool PartitionWidget::clearEnergySaving(int type, quint8 *area)
{
    switch (type) {
    case 6:
    case 18:
    case 26:
    case 33:
    case 52:
    case 17:
    case 34:
        area[0] = 0;
        return true;
    case 27:
    case 28:
        area[5] &= quint8(~0x01);
        return true;
    case 16:
    case 24:
        area[0] &= quint8(~0x08);
        return true;
    default:
        return false;
    }
}

int PartitionWidget::nameIndex(const QString &text) const
{
    PartitionModel *partitions = model();
    if (!partitions)
        return -1;
    const QStringList names = partitions->partitionNames(false);
    for (int i = 0; i < names.size(); ++i)
        if (i != ownIndex() && names.at(i) == text)
            return i;
    return -1;
}

void PartitionWidget::markName(const QString &text)
{
    if (text == m_name->savedText()) {
        m_name->setStyleSheet(QStringLiteral("color: black"));
        m_name->setProperty(ChangedProperty, false);
        return;
    }
    if (!m_name->property(LockProperty).toBool())
        setMarked(m_name, true);
    Overmind::limitUtf8Length(text, m_name);
}

void PartitionWidget::markNumber(int value)
{
    if (value == m_number->lastValue()) {
        setMarked(m_number, false);
        return;
    }
    if (!m_number->property(LockProperty).toBool())
        setMarked(m_number, true);
}

void PartitionWidget::updateButtonText()
{
    if (!m_partition)
        return;
    const int index = m_partition->index();
    const int count = m_partitionCount > 0
                          ? m_partitionCount
                          : (controller() ? controller()->deviceInfo().partitionCount() : 0);
    QString caption = m_partition->jsonKey();
    if (index != 0 && index != count && index != count + 1) {
        if (m_partition->number() == 0) {
            m_partition->setNumber(quint16(index));
            onPartitionUpdated();
            return;
        }
        caption = QStringLiteral("%1. %2").arg(m_partition->number()).arg(m_partition->jsonKey());
    }
    if (m_button)
        m_button->setText(caption);
}

// ---- form ----

void PartitionWidget::onInitWidget()
{
    Overmind *overmind = controller();
    m_partitionCount = overmind ? overmind->deviceInfo().partitionCount() : 0;
    qDeleteAll(m_moveActions);
    m_moveActions.clear();
    for (int i = 1; i < m_partitionCount; ++i) {
        if (i == ownIndex())
            continue;
        auto *action = new QAction(tr("part %1").arg(i), this);
        action->setProperty("part_id", i);
        m_moveActions.append(action);
        m_moveMenu->addAction(action);
        connect(action, &QAction::triggered, this, &PartitionWidget::changePartition);
    }
    for (QWidget *field : std::initializer_list<QWidget *>{m_name, m_number}) {
        field->setProperty(ChangedProperty, false);
        field->setProperty(LockProperty, false);
    }
    m_partitions->excludePartition(ownIndex());
}

void PartitionWidget::onPartitionUpdated()
{
    logTrace(this, QStringLiteral("Partition updated"));
    if (!m_partition)
        return;
    const int index = m_partition->index();
    const int count = m_partitionCount;
    if (index != 0 && index != count && index != count + 1 && m_partition->number() == 0) {
        m_partition->setNumber(quint16(index));
        onPartitionUpdated();
        return;
    }
    updateButtonText();
    if (!isRegular()) {
        if (m_partition->isExecutiveDevices() && m_partition->number() != 0)
            m_number->setValue(m_partition->number());
        return;
    }
    m_lastName = m_partition->jsonKey();
    m_name->setText(m_lastName);
    m_number->setLastValue(m_partition->number());
    m_number->setValue(m_partition->number());
    for (QWidget *field : std::initializer_list<QWidget *>{m_name, m_number}) {
        field->setProperty(LockProperty, false);
        setMarked(field, false);
    }
    m_name->setFrame(false);
    m_number->setFrame(false);
    m_autoTakeFromAlarm->setChecked(m_partition->autoTakeFromAlarm());
    m_autoTakeFromNotTake->setChecked(m_partition->autoTakeFromNotTaken());
    m_takeDelay->setChecked(m_partition->takeDelayEnabled());
    m_partitions->setPartitionsMask(m_partition->controlPartitions());
    updateLockLabel();
    m_partitions->setComboEnabled(isEditable() && m_controlEditable);
    if (PartitionModel *partitions = model()) {
        emit partitions->updatePartitionData();
        emit partitions->updateControlPartitions(uint(index), m_partition->controlPartitions());
    }
    if (isViewing())
        m_takenInfo->hide();
}

bool PartitionWidget::indexRepeatCheck()
{
    PartitionModel *partitions = model();
    Overmind *overmind = controller();
    const int count = overmind ? overmind->deviceInfo().partitionCount() : 0;
    for (int i = 0; partitions && i < count; ++i) {
        Partition *other = partitions->partition(i);
        if (!other || i == ownIndex())
            continue;
        if (other->jsonKey() == m_name->text() || other->number() == m_number->value()) {
            MessageBoxU::warning(tr("A section with this index or name already exists."),
                                 tr("Save settings"));
            onPartitionUpdated();
            emit partitions->updatePartitionData();
            return false;
        }
    }
    return true;
}

void PartitionWidget::saveToPartition()
{
    m_partition->setAutoTakeFromAlarm(m_autoTakeFromAlarm->isChecked());
    m_partition->setAutoTakeFromNotTaken(m_autoTakeFromNotTake->isChecked());
    m_partition->setTakeDelayEnabled(m_takeDelay->isChecked());
    const QString text = m_name->text();
    if (!text.isEmpty() && nameIndex(text) == -1) {
        m_partition->setName(text);
        m_lastName = text;
    } else {
        m_partition->setName(m_lastName);
        m_name->setText(m_lastName);
    }
    updateButtonText();
    m_partition->setNumber(quint16(m_number->value()));
    m_partition->setControlPartitions(m_partitions->partitionsMask());
    PartitionModel *partitions = model();
    if (isViewing() && partitions) {
        // A partition's own key is its name, which may name another section of the file.
        partitions->storePartitionSection();
        emit m_partition->updated();
        return;
    }
    m_partition->store();
}

bool PartitionWidget::saveForm()
{
    if (!isRegular())
        return false;
    // Viewing mode checks too: a file must not get two partitions with one number. A refused
    // save writes nothing, the devices' energy saving included.
    if (!indexRepeatCheck())
        return false;
    if (!m_takeDelay->isChecked()) {
        // Without take delay energy-saving devices would miss the arming.
        for (const Sensor::SPtr &device : m_partition->sensors()) {
            u_RFDevPrivateSettings area = device->privateSettings();
            if (!clearEnergySaving(device->type(), area.raw))
                continue;
            device->setPrivateSettings(area);
            device->store();
            qDebug().noquote() << tr("Energy saving mode disabled. %1.%2")
                                      .arg(device->id() + 1)
                                      .arg(device->typeName());
        }
        QCoreApplication::processEvents();
        if (Overmind *overmind = controller())
            overmind->resetMinimumTakeDelay();
    }
    saveToPartition();
    if (PartitionModel *partitions = model()) {
        emit partitions->updatePartitionData();
        emit partitions->updateControlPartitions(uint(ownIndex()),
                                                 m_partition->controlPartitions());
    }
    m_properties->updateProperties();
    return true;
}

void PartitionWidget::onPbSaveClicked()
{
    saveForm();
}

bool PartitionWidget::confirmLeave()
{
    m_leaveRefused = false;
    if (!isRegular())
        return true;
    QStringList changes;
    if (m_autoTakeFromAlarm->isChecked() != m_partition->autoTakeFromAlarm())
        changes << tr("Auto take from alarm changed");
    if (m_autoTakeFromNotTake->isChecked() != m_partition->autoTakeFromNotTaken())
        changes << tr("Auto take from not take changed");
    if (m_takeDelay->isChecked() != m_partition->takeDelayEnabled())
        changes << tr("Take delay changed");
    if (m_name->text() != m_partition->jsonKey()) {
        if (nameIndex(m_name->text()) >= 0) {
            MessageBoxU::warning(tr("A section with this index or name already exists."),
                                 tr("Save settings"));
            m_leaveRefused = true;
            onPartitionUpdated();
            return true;
        }
        if (!m_save->isEnabled()) {
            MessageBoxU::warning(tr("Illegal partition name can't be saved."), tr("Warning"));
            m_leaveRefused = true;
            onPartitionUpdated();
            return true;
        }
        changes << tr("Partition name changed");
    }
    if (m_number->value() != m_partition->number())
        changes << tr("Partition number changed");
    if (m_partitions->partitionsMask() != m_partition->controlPartitions())
        changes << tr("Parent partitions changed");
    if (changes.isEmpty())
        return true;
    changes << tr("Save changes?");
    const QMessageBox::StandardButton answer =
        MessageBoxU::question(changes.join(QStringLiteral(".\n")), tr("Partition settings changed"),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        // As Save does: energy saving goes off with take delay, or the devices miss arming.
        saveForm();
        return true;
    case QMessageBox::No:
        onPartitionUpdated();
        return true;
    case QMessageBox::Cancel:
        return false;
    default:
        return true;
    }
}

void PartitionWidget::onResetClicked()
{
    if (MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_name->setProperty(LockProperty, true);
    m_number->setProperty(LockProperty, true);
    m_partition->resetSettings();
    m_partition->setControlPartitions(0);
    if (PartitionModel *partitions = model()) {
        emit partitions->updatePartitionData();
        emit partitions->updateControlPartitions(uint(ownIndex()),
                                                 m_partition->controlPartitions());
    }
}

// ---- arming and state ----

void PartitionWidget::updateLockLabel()
{
    if (!m_partition)
        return;
    const quint16 state = m_partition->state();
    m_lock->setIcon(IconCache::icon(PartitionCommandLinkButton::partitionStateIconPath(state)));
    const bool taken = DeviceInfo::isPartitionTaken(state);
    m_lock->setChecked(taken);
    m_lock->setEnabled(false);
    Overmind *overmind = controller();
    if (overmind && overmind->userModel()) {
        UserSettings *user = currentUser();
        if (user && (taken ? user->canTakeOff() : user->canTakeOn()))
            m_lock->setEnabled((user->partitions() >> (ownIndex() % 32)) & 1 && !isViewing());
    }
    if (m_partition->controlPartitions() != 0 || state == 5)
        m_lock->setEnabled(false);
}

void PartitionWidget::onLockClicked(bool checked)
{
    m_partition->setLocked(checked);
    if (ownIndex() == 1)
        emit enableAllSensorsAllowAddButton(checked);
}

void PartitionWidget::onReady()
{
    Overmind *overmind = controller();
    if (overmind && overmind->userModel()) {
        updateLockLabel();
    } else {
        m_lock->setEnabled(false);
        MessageBoxU::warning(tr("User information not ready"), tr("Warning!"));
    }
    if (m_partition && m_partition->isConfigurable())
        onSensorCountUpdate();
}

bool PartitionWidget::configAllowed() const
{
    return m_allowed;
}

void PartitionWidget::onPartitionStatusUpdated()
{
    if (!m_partition)
        return;
    Overmind *overmind = controller();
    PartitionModel *partitions = model();
    const bool viewing = isViewing();
    bool allowed = isEditable();
    const bool executivePage = m_number->value() == 17;
    if (executivePage && partitions && !viewing) {
        for (int i = 0; i < partitions->partitionCount(); ++i) {
            Partition *slot = partitions->partition(i);
            const quint16 main = slot ? slot->mainState() : 0;
            if (main == 16 || main == 21 || main == 6) {
                allowed = false;
                break;
            }
        }
    }
    m_allowed = allowed;
    logTrace(this, QStringLiteral("Partition %1 status updated. configAllowed = %2")
                       .arg(ownIndex())
                       .arg(allowed ? 1 : 0));
    if (overmind) {
        if (overmind->isFirmwareOlderThan12()) {
            bool armed = false;
            const int count = overmind->deviceInfo().partitionCount();
            for (int i = 0; partitions && i < count; ++i) {
                Partition *slot = partitions->partition(i);
                if (slot && (slot->mainState() == 16 || slot->mainState() == 21))
                    armed = true;
            }
            if (overmind->isSettingsUnlocked() == armed)
                overmind->setSettingsLocked(armed);
        } else if (executivePage) {
            overmind->setSettingsLocked(!allowed);
        }
    }
    m_save->setEnabled(allowed);
    m_reset->setEnabled(allowed);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             m_number, m_name, m_takeDelay, m_autoTakeFromNotTake, m_autoTakeFromAlarm})
        widget->setEnabled(allowed);
    if (!viewing) {
        const bool countOk = deviceCountAllowsMore();
        m_allowAdd->setEnabled(allowed && countOk);
        m_deleteSelected->setEnabled(allowed);
        if (!countOk)
            m_allowAdd->setChecked(false);
    }
    m_status->setText(m_partition->stateText());
    m_takenInfo->setVisible(!allowed && isRegular());
    if (isRegular()) {
        updateLockLabel();
        m_partitions->setComboEnabled(isEditable() && m_controlEditable);
    }
    emit allowConfig(allowed);
    if (isVisible()) {
        m_devices->setDragEnabled(isRegular() && allowed);
        // No focus change here: a Space typed after a status push must not reach the lock.
        selectionChanged(m_devices->selectionModel()->selection(), QItemSelection());
    }
}

void PartitionWidget::onUpdateControlPartitions(uint id, quint32 mask)
{
    if (mask != 0 && ((mask >> (ownIndex() % 32)) & 1)) {
        m_controllingPartition = int(id);
        m_controlEditable = false;
        m_partitions->setComboEnabled(false);
    } else if (int(id) == m_controllingPartition) {
        m_controllingPartition = -1;
        m_controlEditable = true;
        m_partitions->setComboEnabled(true);
    }
    m_partitions->includePartition(int(id));
    if (m_partition)
        m_partitions->setPartitionsMask(m_partition->controlPartitions());
}

// ---- enrolment ----

void PartitionWidget::onSensorCountUpdate()
{
    const bool countOk = deviceCountAllowsMore();
    m_allowAdd->setText(countOk ? tr("Allow add RF devices") : tr("Max devices added"));
    onPartitionStatusUpdated();
    if (!countOk) {
        Overmind *overmind = controller();
        PartitionModel *partitions = model();
        logWarning(this, QStringLiteral("id %1: Number of sensors exceeded %2/%3")
                             .arg(ownIndex())
                             .arg(partitions ? partitions->sensorCount() - 1 : 0)
                             .arg(overmind ? overmind->deviceInfo().maxSensors() : 0));
    }
    PartitionModel *partitions = model();
    if (partitions && partitions->sensorCount() > 0 &&
        !m_devices->selectionModel()->hasSelection() && m_sensorModel->rowCount() > 0)
        m_devices->setCurrentIndex(m_sensorModel->index(0, 0));
}

void PartitionWidget::onAllowAddClicked(bool checked)
{
    if (m_protocol)
        m_protocol->enableConfig(checked);
    if (!m_addList)
        return;
    m_addList->setVisible(checked);
    if (!checked)
        return;
    if (m_partition && m_partition->number() == 17) {
        m_addList->setTitle(tr("Add to executable devices"));
    } else if (m_partition) {
        const int number = m_partition->number() == 0 ? 1 : m_partition->number();
        m_addList->setPartitionTitle(
            QStringLiteral("%1. %2").arg(number).arg(m_partition->jsonKey()));
    }
}

void PartitionWidget::onSetStatus(bool on)
{
    m_allowAdd->setChecked(on);
    if (!on && m_addList)
        m_addList->hide();
}

void PartitionWidget::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    m_devices->clearSelection();
    if (m_partition && m_partition->isConfigurable() && m_protocol)
        m_protocol->setPartitionForNewSensors(quint16(ownIndex()));
    selectionChanged(QItemSelection(), QItemSelection());
    emit visibilityChanded(true);
}

void PartitionWidget::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    m_allowAdd->setChecked(false);
    m_devices->clearSelection();
    if (m_protocol)
        m_protocol->enableConfig(false);
    emit visibilityChanded(false);
}

void PartitionWidget::enableAllowAddButton(int radioState)
{
    m_allowAdd->setEnabled(radioState == 1 && deviceCountAllowsMore() && !isViewing());
}

void PartitionWidget::onAllDevicesAllowConfig(bool allowed)
{
    if (!isViewing() && allowed && deviceCountAllowsMore()) {
        m_allowAdd->setEnabled(true);
        return;
    }
    m_allowAdd->setEnabled(false);
    m_allowAdd->setChecked(false);
}

// ---- device list ----

QList<Sensor::SPtr> PartitionWidget::selectedSensors() const
{
    QList<Sensor::SPtr> devices;
    for (const QModelIndex &index : m_devices->selectionModel()->selectedIndexes())
        if (Sensor::SPtr device = m_sensorModel->sensorAt(index))
            devices.append(device);
    return devices;
}

void PartitionWidget::currentSensorChanged(const QItemSelection &selected,
                                           const QItemSelection &deselected)
{
    const QModelIndexList now = m_devices->selectionModel()->selectedIndexes();
    if (now.isEmpty() && selected.isEmpty()) {
        const QModelIndexList gone = deselected.indexes();
        if (gone.isEmpty())
            return;
        const Sensor::SPtr device = m_sensorModel->sensorAt(gone.first());
        const QList<Sensor::SPtr> listed =
            m_partition ? m_partition->sensors() : QList<Sensor::SPtr>();
        bool stillThere = false;
        for (const Sensor::SPtr &candidate : listed)
            if (device && candidate->id() == device->id())
                stillThere = true;
        if (!stillThere)
            m_properties->clear();
        return;
    }
    if (now.size() > 1) {
        m_properties->clear();
        return;
    }
    const QModelIndex row = now.size() == 1 ? now.first() : selected.indexes().value(0);
    const Sensor::SPtr device = m_sensorModel->sensorAt(row);
    if (!device)
        return;
    m_savedSensorRow = row.row();
    m_properties->setSensor(device);
    m_selectedSensorPartition = device->partition();
    if (now.size() == 1) {
        // The type's status refresh runs again for the tree now shown, and paints its colours.
        const s_SensorIntData status = device->status();
        device->updateStatus(&status);
    }
}

void PartitionWidget::selectionChanged(const QItemSelection &, const QItemSelection &)
{
    bool deletable = true;
    for (const Sensor::SPtr &device : selectedSensors())
        if (device->isReadOnly() || device->type() == 0 || device->type() == 9)
            deletable = false;
    if (!isViewing())
        m_deleteSelected->setEnabled(deletable && (m_allowed || m_partition->isAggregate()));
}

void PartitionWidget::sensorDoubleClicked(const QModelIndex &index)
{
    openSensorSettings(index);
}

void PartitionWidget::openCurrentSensorSettings()
{
    if (m_savedSensorRow != -1)
        openSensorSettings(m_sensorModel->index(m_savedSensorRow, 0));
}

void PartitionWidget::showDialog(QWidget *dialog)
{
    m_lastDialog = dialog;
    dialog->show();
    QPointer<QWidget> shown = dialog;
    QTimer::singleShot(10, dialog, [shown] {
        if (shown)
            shown->activateWindow();
    });
}

void PartitionWidget::openSensorSettings(const QModelIndex &index)
{
    const Sensor::SPtr device = m_sensorModel->sensorAt(index);
    if (!device || device->isReadOnly())
        return;
    m_lastDialog = nullptr;
    if (auto *output = qobject_cast<LocalOut *>(device.get())) {
        openLocalOutSettings(output);
        return;
    }
    auto *dialog = new SensorSettingsWidget(this);
    Overmind *overmind = controller();
    if (overmind)
        overmind->registerDialog(dialog);
    dialog->setSensor(device);
    if (m_protocol)
        connect(m_protocol, &Protocol::outputTactic, dialog, &SensorSettingsWidget::onOutputTactic);
    showDialog(dialog);
}

void PartitionWidget::openLocalOutSettings(LocalOut *output)
{
    if (!m_outDialog) {
        m_outDialog = new OutSettingsWidget(quint16(output->index()));
        m_outShown = output;
        if (Overmind *overmind = controller())
            overmind->registerDialog(m_outDialog);
        OutSettingsWidget *dialog = m_outDialog;
        connect(output, &Sensor::dataUpdated, dialog,
                [dialog, output] { dialog->setOutputData(*output->outputData()); });
        connect(output, &Sensor::tacticUpdated, dialog, &OutSettingsWidget::setTactic);
        dialog->setOutputData(*output->outputData());
    }
    showDialog(m_outDialog);
}

void PartitionWidget::onSensorRemoved(Sensor::SPtr device)
{
    Q_UNUSED(device)
    m_devices->selectionModel()->reset();
    m_properties->clear();
}

void PartitionWidget::onSortTypeChange(int sortType)
{
    m_sensorModel->setSortType(sortType);
}

// ---- context menu, moves, deletion ----

void PartitionWidget::listViewContextMenuRequested(const QPoint &position)
{
    m_menu->clear();
    const QList<Sensor::SPtr> devices = selectedSensors();
    if (!m_allowAdd->isEnabled() || devices.isEmpty())
        return;
    bool movable = true;
    for (const Sensor::SPtr &device : devices) {
        if (qobject_cast<LocalOut *>(device.get()) || device->type() == 9)
            return;
        if (device->partition() == 0) {
            movable = false;
            break;
        }
    }
    if (ownIndex() != 0 && movable)
        m_menu->addMenu(m_moveMenu);
    if (!m_menu->isEmpty())
        m_menu->popup(m_devices->viewport()->mapToGlobal(position));
}

void PartitionWidget::refreshMoveActions()
{
    PartitionModel *partitions = model();
    for (QAction *action : qAsConst(m_moveActions)) {
        const int index = action->property("part_id").toInt();
        Partition *target = partitions ? partitions->partition(index) : nullptr;
        if (!target) {
            action->setEnabled(false);
            continue;
        }
        action->setText(target->jsonKey());
        const quint16 state = target->state();
        action->setEnabled((state == 8 || state == 5) && index != m_selectedSensorPartition);
    }
}

void PartitionWidget::changePartition()
{
    const QList<Sensor::SPtr> devices = selectedSensors();
    auto *action = qobject_cast<QAction *>(sender());
    int target = 1;
    if (action)
        target = action->property("part_id").toInt();
    else
        MessageBoxU::warning(tr("Unknown partition number. Number will be set to \"1\""),
                             tr("Partition changing"));
    PartitionModel *partitions = model();
    for (const Sensor::SPtr &device : devices) {
        Partition *from = m_partition;
        if (m_partition && m_partition->isAggregate())
            from = partitions ? partitions->partition(device->partition()) : nullptr;
        // Out of this list only: the device stays in the model and is filed again when the
        // device confirms the new record.
        if (from && partitions)
            partitions->takeOutForMove(from, device);
        else if (from)
            from->removeSensor(device, true);
        device->setPartition(uchar(target));
    }
}

void PartitionWidget::deleteSelectedSensors()
{
    if (!m_deleteSelected->isEnabled())
        return;
    QList<Sensor::SPtr> devices;
    for (const Sensor::SPtr &device : selectedSensors())
        if (device->type() != 9 && device->type() != 0)
            devices.append(device);
    if (devices.isEmpty()) {
        Overmind *overmind = controller();
        if (overmind && overmind->isDebugMode()) {
            auto *window = new DeleteById;
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
        }
        return;
    }
    if (MessageBoxU::question(tr("Are you sure you want to delete %1 dev.?").arg(devices.size()),
                              tr("Sensor delete"),
                              QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
        return;
    // An edit still waiting in the property view goes out before the deletion, not after.
    m_properties->commitPending();
    for (const Sensor::SPtr &device : devices) {
        logDebug(this, QStringLiteral("Deleting sensor id: %1").arg(device->id()));
        device->markDeleted();
        if (m_protocol)
            m_protocol->deleteSensor(device->id());
        m_partition->removeSensor(device, false);
        if (Overmind *overmind = controller())
            overmind->resetMinimumTakeDelay();
    }
}
