#include "pages/users/UserAddDialog.h"

#include "app/ClickCatcher.h"
#include "app/ComboBox.h"
#include "app/ContentAwareLineEdit.h"
#include "app/DeviceTexts.h"
#include "app/FocusOutCatcher.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "app/PasteCatcher.h"
#include "app/SpaceCatcher.h"
#include "app/UserNameExpression.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>

namespace {
constexpr int NameBytes = 95;
constexpr int PasswordBytes = 63;
constexpr int MinimumLength = 4;
constexpr int SmsMinimumLength = 5;
constexpr int GroupCount = 16;
constexpr int VisibleRows = 20;

const QRegularExpression &loginExpression()
{
    static const QRegularExpression expression(QStringLiteral("^[0-9a-z]{0,%1}$").arg(63));
    return expression;
}

const QRegularExpression &passwordExpression()
{
    static const QRegularExpression expression(
        QStringLiteral(
            "^[0-9a-zA-Z№_~!@#\\$%\\^&\\*\\+='\\|;:\\(\\)<>\\{\\}\\[\\]\\,\\.\\?\\-]{0,%1}$")
            .arg(63));
    return expression;
}

const QRegularExpression &phoneExpression()
{
    static const QRegularExpression expression(QStringLiteral("^[+]?[0-9]{3,%1}$").arg(15));
    return expression;
}

const QRegularExpression &smsExpression()
{
    static const QRegularExpression expression(QStringLiteral("^[0-9]{0,5}$"));
    return expression;
}

// The password text the previous check saw, shared by every user dialog of the run.
QString &lastPasswordText()
{
    static QString text;
    return text;
}

bool &lastPasswordTextSet()
{
    static bool set = false;
    return set;
}

int utf8Size(const QString &text)
{
    return text.toUtf8().size();
}

ContentAwareLineEdit *lineEdit(QWidget *parent, const char *objectName, const char *accessible)
{
    auto *edit = new ContentAwareLineEdit(parent);
    edit->setObjectName(QLatin1String(objectName));
    edit->setAccessibleName(QLatin1String(accessible));
    return edit;
}

QCheckBox *checkBox(const QString &text, QWidget *parent, const char *objectName,
                    const char *accessible)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(objectName));
    box->setAccessibleName(QLatin1String(accessible));
    return box;
}
} // namespace

UserAddDialog::UserAddDialog(UserSettings *user, int mode, QWidget *parent)
    : QWidget(parent), user(user), mode(mode)
{
    Overmind *overmind = Overmind::instance();
    buildForm();
    setWindowFlags(windowFlags() | Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    activateWindow();
    installEventFilter(this);

    cbQuenor3->setChecked(user->isQuenor3());
    if (overmind)
        otherPhones = overmind->userPhones();
    setModeTexts();
    if (mode != AddMode)
        otherPhones.removeOne(user->phoneText());
    if (user->isAdmin() && user->id() == 0)
        cbAdmin->setEnabled(false);

    cbSMSControlGroups->lineEdit()->setReadOnly(true);
    auto *groupsClick = new ClickCatcher(cbSMSControlGroups);
    auto *groupsSpace = new SpaceCatcher(cbSMSControlGroups);
    cbSMSControlGroups->lineEdit()->installEventFilter(groupsClick);
    cbSMSControlGroups->installEventFilter(groupsSpace);
    connect(groupsClick, &ClickCatcher::clicked, cbSMSControlGroups, &QComboBox::showPopup);
    connect(groupsSpace, &SpaceCatcher::spaceCatched, cbSMSControlGroups, &QComboBox::showPopup);

    if (overmind)
        overmind->initPartitionsCheckCombo(cbPartitions);
    if (mode == AddMode) {
        cbPartitions->setCurrentIndex(-1);
        cbPartitions->setEditText(tr("Not selected"));
    }

    auto *cancelFocus = new FocusOutCatcher(pbCancel);
    pbCancel->installEventFilter(cancelFocus);
    connect(cancelFocus, &FocusOutCatcher::focusOuted, this,
            [this] { (cbAdmin->isEnabled() ? cbAdmin : cbQuenor3)->setFocus(); });

    fillGroupCombos();

    connect(pbCancel, &QPushButton::clicked, this, &UserAddDialog::onCancelClicked);
    connect(pbOk, &QPushButton::clicked, this, &UserAddDialog::onOkClicked);
    for (ContentAwareLineEdit *edit : {leUsername, leLogin, lePassword, lePasswordRepeat,
                                       lePhoneNumber, leSMSPassword, leSMSPasswordRepeat}) {
        connect(edit, &ContentAwareLineEdit::focusIn, this, &UserAddDialog::updateWarningLine);
        connect(edit, &ContentAwareLineEdit::focusOut, this, &UserAddDialog::checkData);
    }

    auto *pasteCatcher = new PasteCatcher(leUsername);
    leUsername->installEventFilter(pasteCatcher);
    connect(pasteCatcher, &PasteCatcher::blocked, this, [this] {
        MessageBoxU::warning(tr("Input of illegal characters is blocked."), lblCaption->text());
    });

    installCheckers();
    fillFromUser();
    connectChanges();
    checkData();
    setFocus();
}

UserAddDialog::~UserAddDialog()
{
    delete phoneValidator;
}

void UserAddDialog::buildForm()
{
    setObjectName(QStringLiteral("UserAddDialog"));
    resize(800, 400);
    setWindowTitle(tr("Modify/add user"));
    lblCaption = new QLabel(tr("New user details:"), this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    QFont captionFont = lblCaption->font();
    captionFont.setPointSize(11);
    lblCaption->setFont(captionFont);

    buildCommonGroup();
    buildSmsGroup();
    buildOutputsGroup();

    lblWarning = new QLabel(tr("Ready"), this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setMinimumHeight(20);
    pbOk = new QPushButton(QIcon(QStringLiteral(":/images/Add.png")), tr("Add"), this);
    pbOk->setObjectName(QStringLiteral("pbOk"));
    pbOk->setAccessibleName(QStringLiteral("pbAdd"));
    pbOk->setMinimumSize(200, 30);
    pbOk->setDefault(true);
    pbCancel = new QPushButton(tr("Cancel"), this);
    pbCancel->setObjectName(QStringLiteral("pbCancel"));
    pbCancel->setAccessibleName(QStringLiteral("pbCancel"));
    pbCancel->setMinimumSize(200, 30);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(pbOk);
    buttons->addWidget(pbCancel);
    auto *layout = new QGridLayout(this);
    layout->addWidget(lblCaption, 0, 0, 1, 2);
    layout->addWidget(gbCommonSettings, 1, 0, 2, 1);
    layout->addWidget(gbSMSControl, 1, 1);
    layout->addWidget(gbOutputs, 2, 1);
    layout->addWidget(lblWarning, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    layout->addLayout(buttons, 5, 0, 1, 2);

    QWidget *previous = cbAdmin;
    for (QWidget *next : QList<QWidget *>{
             cbQuenor3, leUsername, leLogin, lePassword, lePasswordRepeat, lePhoneNumber,
             cbOperatorMessageRedirect, cbAllowExtraNotifications, cbCanTakeOn, cbCanTakeOff,
             cbAllowRemoteControl, cbPartitions, leSMSPassword, leSMSPasswordRepeat,
             cbSMSControlGroups, cbCallControlGroup, pbOk, pbCancel}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void UserAddDialog::buildCommonGroup()
{
    gbCommonSettings = new QGroupBox(tr("Common settings"), this);
    gbCommonSettings->setObjectName(QStringLiteral("gbCommonSettings"));
    gbCommonSettings->setMinimumWidth(320);
    cbAdmin = checkBox(tr("Admin"), gbCommonSettings, "cbAdmin", "checkAdmin");
    cbQuenor3 = checkBox(tr("Quenor3"), gbCommonSettings, "cbQuenor3", "checkQuenor3");
    leUsername = lineEdit(gbCommonSettings, "leUsername", "lineUserName");
    leLogin = lineEdit(gbCommonSettings, "leLogin", "lineUserLogin");
    lePassword = lineEdit(gbCommonSettings, "lePassword", "lineUserPassword");
    lePassword->setEchoMode(QLineEdit::Password);
    lePasswordRepeat = lineEdit(gbCommonSettings, "lePasswordRepeat", "lineUserPasswordRepeat");
    lePasswordRepeat->setEchoMode(QLineEdit::Password);
    lePhoneNumber = lineEdit(gbCommonSettings, "lePhoneNumber", "lineUserPhone");
    cbOperatorMessageRedirect =
        checkBox(tr("Redirect operator messages"), gbCommonSettings, "cbOperatorMessageRedirect",
                 "checkUserRedirectOperatorMessages");
    cbAllowExtraNotifications =
        checkBox(tr("Allow extra notifications"), gbCommonSettings, "cbAllowExtraNotifications",
                 "checkUserAllowExtraNotifications");

    auto *grid = new QGridLayout(gbCommonSettings);
    grid->addWidget(cbAdmin, 0, 0);
    grid->addWidget(cbQuenor3, 0, 1);
    grid->addWidget(new QLabel(tr("User name"), gbCommonSettings), 1, 0, 1, 2);
    grid->addWidget(leUsername, 2, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Login"), gbCommonSettings), 3, 0, 1, 2);
    grid->addWidget(leLogin, 4, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Password"), gbCommonSettings), 5, 0, 1, 2);
    grid->addWidget(lePassword, 6, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Repeat"), gbCommonSettings), 7, 0);
    grid->addWidget(lePasswordRepeat, 8, 0, 1, 2);
    auto *phoneLabel = new QLabel(tr("Phone number"), gbCommonSettings);
    grid->addWidget(phoneLabel, 9, 0);
    grid->addWidget(lePhoneNumber, 9, 1);
    grid->addWidget(cbOperatorMessageRedirect, 10, 0, 1, 2);
    grid->addWidget(cbAllowExtraNotifications, 11, 0, 1, 2);
}

void UserAddDialog::buildSmsGroup()
{
    gbSMSControl = new QGroupBox(tr("Control through SMS"), this);
    gbSMSControl->setObjectName(QStringLiteral("gbSMSControl"));
    gbSMSControl->setMinimumHeight(180);
    cbCanTakeOn = checkBox(tr("Can take on"), gbSMSControl, "cbCanTakeOn", "checkCanTakeOn");
    cbCanTakeOff = checkBox(tr("Can take off"), gbSMSControl, "cbCanTakeOff", "checkCanTakeOff");
    cbAllowRemoteControl = checkBox(tr("Allow WEB control"), gbSMSControl, "cbAllowRemoteControl",
                                    "checkAllowWebControl");
    cbPartitions = new ComboBox(gbSMSControl);
    cbPartitions->setObjectName(QStringLiteral("cbPartitions"));
    cbPartitions->setAccessibleName(QStringLiteral("comboPartitions"));
    cbPartitions->setMaxVisibleItems(VisibleRows);
    leSMSPassword = lineEdit(gbSMSControl, "leSMSPassword", "lineUserPasswordSMS");
    leSMSPassword->setEchoMode(QLineEdit::Password);
    leSMSPassword->setMaxLength(5);
    leSMSPasswordRepeat = lineEdit(gbSMSControl, "leSMSPasswordRepeat", "lineUserPasswordRepeate");
    leSMSPasswordRepeat->setEchoMode(QLineEdit::Password);
    leSMSPasswordRepeat->setMaxLength(5);

    auto *grid = new QGridLayout(gbSMSControl);
    grid->addWidget(cbCanTakeOn, 1, 0);
    grid->addWidget(cbCanTakeOff, 1, 1);
    grid->addWidget(cbAllowRemoteControl, 2, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Controlled partitions"), gbSMSControl), 3, 0);
    grid->addWidget(cbPartitions, 3, 1);
    grid->addWidget(new QLabel(tr("SMS Password (5 digits)"), gbSMSControl), 6, 0, 1, 2);
    grid->addWidget(leSMSPassword, 7, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Repeat password"), gbSMSControl), 8, 0, 1, 2);
    grid->addWidget(leSMSPasswordRepeat, 9, 0, 1, 2);
}

void UserAddDialog::buildOutputsGroup()
{
    gbOutputs = new QGroupBox(tr("Outputs"), this);
    gbOutputs->setObjectName(QStringLiteral("gbOutputs"));
    cbSMSControlGroups = new ComboBox(gbOutputs);
    cbSMSControlGroups->setObjectName(QStringLiteral("cbSMSControlGroups"));
    cbSMSControlGroups->setAccessibleName(QStringLiteral("comboSmsWebGroups"));
    cbSMSControlGroups->setEditable(true);
    cbSMSControlGroups->setMinimumWidth(200);
    cbSMSControlGroups->setMaxVisibleItems(VisibleRows);
    cbCallControlGroup = new QComboBox(gbOutputs);
    cbCallControlGroup->setObjectName(QStringLiteral("cbCallControlGroup"));
    cbCallControlGroup->setAccessibleName(QStringLiteral("comboCallGroups"));
    cbCallControlGroup->setMaxVisibleItems(VisibleRows);

    auto *grid = new QGridLayout(gbOutputs);
    grid->addWidget(new QLabel(tr("SMS and WEB control groups"), gbOutputs), 0, 0);
    grid->addWidget(cbSMSControlGroups, 0, 1);
    grid->addWidget(new QLabel(tr("Call Control group"), gbOutputs), 1, 0);
    grid->addWidget(cbCallControlGroup, 1, 1);
}

void UserAddDialog::setModeTexts()
{
    if (mode == EditMode) {
        lblCaption->setText(tr("Modify user"));
        pbOk->setText(tr("Save"));
        pbOk->setEnabled(false);
        setWindowTitle(tr("Edit user"));
    } else if (mode == ViewMode) {
        lblCaption->setText(tr("User information"));
        pbOk->hide();
        pbCancel->setText(tr("Close"));
        setWindowTitle(tr("View user"));
    }
}

void UserAddDialog::fillGroupCombos()
{
    Overmind *overmind = Overmind::instance();
    auto groupText = [overmind](int group) {
        return QStringLiteral("%1. %2").arg(group).arg(
            overmind ? overmind->outputGroupName(group - 1) : QString());
    };
    auto *model = qobject_cast<QStandardItemModel *>(cbSMSControlGroups->model());
    for (int group = 1; group <= GroupCount; ++group) {
        auto *item = new QStandardItem(groupText(group));
        item->setData(item->text(), Qt::AccessibleTextRole);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setData(Qt::Unchecked, Qt::CheckStateRole);
        model->appendRow(item);
    }
    QAbstractItemView *view = cbSMSControlGroups->view();
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        cbSMSControlGroups->setItemData(index.row(), checked ? Qt::Unchecked : Qt::Checked,
                                        Qt::CheckStateRole);
    });
    connect(view, &QAbstractItemView::clicked, this, &UserAddDialog::updateSmsControlGroupsText);
    connect(view, &QAbstractItemView::doubleClicked, this,
            &UserAddDialog::updateSmsControlGroupsText);

    cbCallControlGroup->addItem(tr("Off"));
    cbCallControlGroup->setItemData(0, QStringLiteral("comboCallGroupsItem0"),
                                    Qt::AccessibleTextRole);
    for (int group = 1; group <= GroupCount; ++group)
        cbCallControlGroup->addItem(groupText(group));
}

quint16 UserAddDialog::smsGroupsMask() const
{
    quint16 mask = 0;
    for (int row = 0; row < cbSMSControlGroups->count() && row < GroupCount; ++row)
        if (cbSMSControlGroups->itemData(row, Qt::CheckStateRole).toBool())
            mask |= quint16(1u << row);
    return mask;
}

void UserAddDialog::updateSmsControlGroupsText()
{
    QStringList groups;
    const quint16 mask = smsGroupsMask();
    for (int row = 0; row < GroupCount; ++row)
        if (mask & (1u << row))
            groups << QString::number(row + 1);
    if (groups.isEmpty()) {
        cbSMSControlGroups->setCurrentIndex(-1);
        cbSMSControlGroups->setEditText(tr("Off"));
    } else {
        cbSMSControlGroups->setEditText(groups.join(QStringLiteral(", ")));
    }
}

int UserAddDialog::callGroupRow(int stored) const
{
    return stored < GroupCount ? stored + 1 : 0;
}

void UserAddDialog::installCheckers()
{
    leUsername->setValidator(new QRegularExpressionValidator(userNameExpression(), leUsername));
    leLogin->setValidator(new QRegularExpressionValidator(loginExpression(), leLogin));
    lePassword->setValidator(new QRegularExpressionValidator(passwordExpression(), lePassword));
    lePasswordRepeat->setValidator(
        new QRegularExpressionValidator(passwordExpression(), lePasswordRepeat));
    phoneValidator = new QRegularExpressionValidator(phoneExpression());
    lePhoneNumber->setValidator(phoneValidator);
    leSMSPassword->setValidator(new QRegularExpressionValidator(smsExpression(), leSMSPassword));
    leSMSPasswordRepeat->setValidator(
        new QRegularExpressionValidator(smsExpression(), leSMSPasswordRepeat));

    leUsername->setChecker([this](const QString &text) { return checkName(text); });
    leLogin->setChecker([this](const QString &text) { return checkLogin(text); });
    lePassword->setChecker([this](const QString &text) { return checkPassword(text); });
    lePasswordRepeat->setChecker([this](const QString &text) { return checkPasswordRepeat(text); });
    lePhoneNumber->setChecker([this](const QString &text) { return checkPhone(text); });
    leSMSPassword->setChecker([this](const QString &text) { return checkSmsPassword(text); });
    leSMSPasswordRepeat->setChecker(
        [this](const QString &text) { return checkSmsPasswordRepeat(text); });
}

void UserAddDialog::fillFromUser()
{
    leUsername->setText(user->jsonKey());
    checkName(leUsername->text());
    leLogin->setText(user->login().toLower());
    checkLogin(user->login());
    if (user->login().isEmpty()) {
        lePassword->clear();
        lePasswordRepeat->clear();
    }
    lePassword->setEnabled(!user->login().isEmpty());
    lePasswordRepeat->setEnabled(!user->login().isEmpty());

    cbCallControlGroup->setCurrentIndex(callGroupRow(user->callControlGroup()));
    const quint16 groups = user->smsControlGroups();
    for (int row = 0; row < GroupCount; ++row)
        cbSMSControlGroups->setItemData(row, groups & (1u << row) ? Qt::Checked : Qt::Unchecked,
                                        Qt::CheckStateRole);
    updateSmsControlGroupsText();

    if (mode == AddMode)
        return;
    const QString password = user->hasPassword() ? passwordPlaceholder : QString();
    lePassword->setText(password);
    lePasswordRepeat->setText(password);
    const QString sms = user->hasSmsPassword() ? smsPlaceholder : QString();
    leSMSPassword->setText(sms);
    leSMSPasswordRepeat->setText(sms);
    cbAdmin->setChecked(user->isAdmin());
    cbOperatorMessageRedirect->setChecked(user->redirectOperatorMessages());
    cbCanTakeOff->setChecked(user->canTakeOff());
    cbCanTakeOn->setChecked(user->canTakeOn());
    cbAllowRemoteControl->setChecked(user->allowRemoteControl());
    cbAllowExtraNotifications->setChecked(user->allowExtraNotifications());
    lePhoneNumber->setText(user->phoneText());
    if (Overmind *overmind = Overmind::instance())
        overmind->fillPartitionsCombo(cbPartitions, user->partitions() >> 1);
    pbOk->setEnabled(false);
    if (mode == ViewMode)
        makeReadOnly();
}

void UserAddDialog::makeReadOnly()
{
    for (ContentAwareLineEdit *edit : findChildren<ContentAwareLineEdit *>())
        edit->setReadOnly(true);
    for (QCheckBox *box : findChildren<QCheckBox *>()) {
        box->setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
    }
}

void UserAddDialog::connectChanges()
{
    connect(cbPartitions, &QComboBox::currentTextChanged, this, &UserAddDialog::checkData);
    connect(cbCallControlGroup, &QComboBox::currentTextChanged, this, &UserAddDialog::checkData);
    connect(cbSMSControlGroups, &QComboBox::currentTextChanged, this, &UserAddDialog::checkData);
    for (ContentAwareLineEdit *edit :
         {leLogin, lePassword, lePasswordRepeat, leSMSPassword, leSMSPasswordRepeat, leUsername})
        connect(edit, &QLineEdit::textChanged, this, &UserAddDialog::checkData);
    connect(lePhoneNumber, &QLineEdit::textEdited, this, &UserAddDialog::checkData);
    for (QCheckBox *box : {cbOperatorMessageRedirect, cbAllowExtraNotifications, cbCanTakeOff,
                           cbCanTakeOn, cbAllowRemoteControl, cbAdmin, cbQuenor3})
        connect(box, &QCheckBox::toggled, this, &UserAddDialog::checkData);
}

bool UserAddDialog::judge(ContentAwareLineEdit *edit, const QString &warning)
{
    edit->setWarning(warning);
    return warning.isEmpty();
}

bool UserAddDialog::checkName(const QString &text)
{
    if (text.isEmpty())
        return judge(leUsername, tr("The Username field must not be empty"));
    QString name = text;
    const int bytes = utf8Size(name);
    if (bytes > NameBytes) {
        name.chop(1);
        leUsername->setText(name);
    } else if (bytes >= NameBytes - 1) {
        leUsername->setMaxLength(name.size() + 1);
    }
    if (Overmind *overmind = Overmind::instance()) {
        if (UserModel *users = overmind->userModel()) {
            for (const UserSettings *other : users->users())
                if (other->jsonKey() == name && user->jsonKey() != name)
                    return judge(leUsername, tr("The entered name is already taken."));
        }
    }
    return judge(leUsername, QString());
}

bool UserAddDialog::checkLogin(const QString &text)
{
    if (text.isEmpty())
        return judge(leLogin,
                     cbAdmin->isChecked()
                         ? tr("For a user with administrator rights, the login field is required.")
                         : QString());
    if (Overmind *overmind = Overmind::instance()) {
        if (UserModel *users = overmind->userModel()) {
            for (const UserSettings *other : users->users())
                if (other != user && other->login().toLower() == text.toLower())
                    return judge(leLogin, tr("Login must be unique."));
        }
    }
    if (text.size() < MinimumLength)
        return judge(leLogin, tr("Login must be longer than 4 symbols."));
    return judge(leLogin, QString());
}

bool UserAddDialog::checkPassword(const QString &text)
{
    if (text.isEmpty())
        return judge(lePassword, cbAdmin->isChecked() || !leLogin->text().isEmpty()
                                     ? tr("You must enter a password.")
                                     : QString());
    if (text == passwordPlaceholder)
        return true;
    if (!lastPasswordTextSet()) {
        lastPasswordText() = user->password();
        lastPasswordTextSet() = true;
    }
    if (user->hasPassword()) {
        if (lastPasswordText() == passwordPlaceholder.left(passwordPlaceholder.size() - 1)) {
            lePassword->clear();
            lePasswordRepeat->clear();
            lastPasswordText().clear();
            return judge(lePassword, tr("You must enter a password."));
        }
        lastPasswordText() = text;
    }
    passwordEdited = true;
    if (text.size() < MinimumLength)
        return judge(lePassword, tr("Password must be longer than 4 symbols."));
    // The device keeps 63 bytes: a longer password would be stored cut and lock its user out.
    if (utf8Size(text) > PasswordBytes) {
        QString cut = text;
        while (utf8Size(cut) > PasswordBytes)
            cut.chop(1);
        lePassword->setText(cut);
    }
    lePasswordRepeat->check();
    return judge(lePassword, QString());
}

bool UserAddDialog::checkPasswordRepeat(const QString &text)
{
    const QString password = lePassword->text();
    if (text.isEmpty())
        return judge(lePasswordRepeat, cbAdmin->isChecked() || !password.isEmpty()
                                           ? tr("Repeat password.")
                                           : QString());
    if (utf8Size(text) > PasswordBytes) {
        QString cut = text;
        while (utf8Size(cut) > PasswordBytes)
            cut.chop(1);
        lePasswordRepeat->setText(cut);
        return checkPasswordRepeat(cut);
    }
    if (text.size() < MinimumLength)
        return judge(lePasswordRepeat, text == password
                                           ? tr("Password must be longer than 4 symbols.")
                                           : tr("Password mismatch."));
    return judge(lePasswordRepeat, text == password ? QString() : tr("Password mismatch."));
}

bool UserAddDialog::isPhoneTaken(const QString &text) const
{
    // "8..." and "+7..." are one number, as are numbers with and without "+".
    const QString phone = normalizePhoneNumber(text);
    for (const QString &other : otherPhones)
        if (!other.isEmpty() && normalizePhoneNumber(other) == phone)
            return true;
    return false;
}

bool UserAddDialog::checkPhone(const QString &text)
{
    if (text.isEmpty()) {
        QString warning;
        if (cbAdmin->isChecked())
            warning =
                tr("For a user with administrator rights, the phone number field is required.");
        else if (cbOperatorMessageRedirect->isChecked() || cbAllowExtraNotifications->isChecked())
            warning = tr("The phone number field is required for the selected settings.");
        else if (cbQuenor3->isChecked())
            warning = tr("The phone number field is required for the Quenor3.");
        else if (!leSMSPassword->text().isEmpty())
            warning = tr("The phone number field is required for control through SMS.");
        return judge(lePhoneNumber, warning);
    }
    const QString normalized = normalizePhoneNumber(text);
    if (isPhoneTaken(normalized))
        return judge(lePhoneNumber,
                     tr("This phone number is already in use by another user.\nEnter another."));
    if (!phoneExpression().match(normalized).hasMatch())
        return judge(lePhoneNumber, tr("Invalid phone number."));
    if (normalized != text) {
        const int cursor = lePhoneNumber->cursorPosition();
        lePhoneNumber->setText(normalized);
        lePhoneNumber->setCursorPosition(normalized.size() > text.size() ? normalized.size()
                                                                         : cursor);
    }
    return judge(lePhoneNumber, QString());
}

bool UserAddDialog::checkSmsPassword(const QString &text)
{
    if (text == smsPlaceholder)
        return true;
    if (!smsPasswordEdited) {
        if (text.isEmpty())
            return judge(leSMSPassword, QString());
        smsPasswordEdited = true;
    }
    if (text.isEmpty())
        return judge(leSMSPassword, QString());
    bool cleared = false;
    if (user->hasSmsPassword() && lastSmsText == smsPlaceholder && text.size() == 4) {
        leSMSPassword->clear();
        leSMSPasswordRepeat->clear();
        cleared = true;
    }
    lastSmsText = text;
    if (!cleared && text.size() < SmsMinimumLength) {
        smsPasswordEdited = true;
        return judge(leSMSPassword, tr("SMS password must be longer than 5 symbols."));
    }
    leSMSPasswordRepeat->check();
    lePhoneNumber->check();
    bool number = false;
    text.toULongLong(&number);
    return judge(leSMSPassword,
                 number ? QString() : tr("SMS password must be longer than 5 symbols."));
}

bool UserAddDialog::checkSmsPasswordRepeat(const QString &text)
{
    const QString password = leSMSPassword->text();
    if (text.isEmpty())
        return judge(leSMSPasswordRepeat, password.isEmpty() ? QString() : tr("Repeat password."));
    if (text.size() < SmsMinimumLength)
        return judge(leSMSPasswordRepeat, text == password
                                              ? tr("SMS password must be longer than 5 symbols.")
                                              : tr("Password mismatch."));
    return judge(leSMSPasswordRepeat, text == password ? QString() : tr("Password mismatch."));
}

bool UserAddDialog::hasChanges() const
{
    for (const ContentAwareLineEdit *edit : {leUsername, leLogin, lePassword, lePasswordRepeat,
                                             lePhoneNumber, leSMSPassword, leSMSPasswordRepeat})
        if (edit->isChanged())
            return true;
    return cbCanTakeOff->isChecked() != user->canTakeOff() ||
           cbCanTakeOn->isChecked() != user->canTakeOn() ||
           cbAllowRemoteControl->isChecked() != user->allowRemoteControl() ||
           smsGroupsMask() != user->smsControlGroups() ||
           cbCallControlGroup->currentIndex() != callGroupRow(user->callControlGroup()) ||
           cbAdmin->isChecked() != user->isAdmin() || cbQuenor3->isChecked() != user->isQuenor3() ||
           cbOperatorMessageRedirect->isChecked() != user->redirectOperatorMessages() ||
           cbAllowExtraNotifications->isChecked() != user->allowExtraNotifications() ||
           Overmind::checkedMask(cbPartitions) != quint16(user->partitions() >> 1);
}

void UserAddDialog::checkData()
{
    Overmind *overmind = Overmind::instance();
    const bool viewing = overmind && overmind->isViewingMode();
    const bool changed = hasChanges();
    if (!changed && isPhoneTaken(lePhoneNumber->text()) && cbAdmin->isChecked()) {
        updateWarningLine();
        pbOk->setEnabled(false);
        return;
    }
    bool valid = true;
    for (ContentAwareLineEdit *edit : {leSMSPassword, leSMSPasswordRepeat})
        valid = edit->check() && valid;
    for (ContentAwareLineEdit *edit :
         {leUsername, lePhoneNumber, leLogin, lePassword, lePasswordRepeat})
        if (edit->isEnabled())
            valid = edit->check() && valid;
    updateWarningLine();
    if (mode == EditMode && !changed && lePhoneNumber->text() == user->phoneText())
        pbOk->setEnabled(user->hasSmsPassword() && leSMSPassword->text().toULongLong() == 0 &&
                         smsPasswordEdited && !viewing);
    else
        pbOk->setEnabled(valid && !viewing);
    const bool hasLogin = !leLogin->text().isEmpty();
    if (!hasLogin) {
        lePassword->clear();
        lePasswordRepeat->clear();
    }
    lePassword->setEnabled(hasLogin);
    lePasswordRepeat->setEnabled(hasLogin);
}

void UserAddDialog::updateWarningLine()
{
    QWidget *focused = focusWidget();
    if (!focused)
        return;
    const QString warning = focused->property("warning").toString();
    if (warning.isEmpty()) {
        lblWarning->clear();
        lblWarning->setStyleSheet(QStringLiteral("color: black"));
    } else {
        lblWarning->setText(warning);
        lblWarning->setStyleSheet(QStringLiteral("color: red"));
    }
}

bool UserAddDialog::refuseShortTexts()
{
    const QList<QPair<ContentAwareLineEdit *, QString>> fields = {
        {leLogin, tr("username")},
        {lePassword, tr("password")},
        {leSMSPassword, tr("SMS password")}};
    for (const auto &field : fields) {
        const int length = field.first->text().size();
        if (length >= 1 && length < MinimumLength) {
            MessageBoxU::warning(tr("The %1 cannot be less than 4 characters.").arg(field.second),
                                 tr("Warning"));
            return true;
        }
    }
    return false;
}

bool UserAddDialog::refuseWithoutPhone()
{
    if (!lePhoneNumber->text().isEmpty())
        return false;
    QStringList lines;
    if (cbQuenor3->isChecked())
        lines << tr("Quenor mode can't be enabled.");
    if (cbOperatorMessageRedirect->isChecked())
        lines << tr("Redirect operator messages can't be enabled.");
    if (cbAllowExtraNotifications->isChecked())
        lines << tr("Allow extra notifications can't be enabled.");
    if (!leSMSPassword->text().isEmpty())
        lines << tr("SMS password can't be apply.");
    if (lines.isEmpty())
        return false;
    lines << tr("\nYou must enter a phone number.");
    MessageBoxU::warning(lines.join(QLatin1Char('\n')), lblCaption->text());
    return true;
}

void UserAddDialog::onOkClicked()
{
    if (refuseShortTexts() || refuseWithoutPhone())
        return;
    if (smsPasswordEdited && (user->canTakeOn() || user->canTakeOff()) && !user->hasSmsPassword() &&
        leSMSPassword->text().isEmpty()) {
        MessageBoxU::warning(tr("To apply the parameters, you must enter an SMS password."),
                             lblCaption->text());
        return;
    }
    if (cbAdmin->isChecked()) {
        if (leLogin->text().isEmpty()) {
            MessageBoxU::warning(tr("Administrator must have a login."), lblCaption->text());
            return;
        }
        if (lePhoneNumber->text().isEmpty()) {
            MessageBoxU::warning(tr("Administrator must have a phone number."), lblCaption->text());
            return;
        }
    }
    okDone = true;
    user->setAdmin(cbAdmin->isChecked());
    user->setQuenor3(cbQuenor3->isChecked());
    user->setLogin(leLogin->text().toLower());
    if (!leUsername->text().isEmpty())
        user->setName(leUsername->text());
    if (passwordEdited)
        user->setPasswordText(lePassword->text());
    user->setPhone(lePhoneNumber->text());
    if (smsPasswordEdited)
        user->setSmsPassword(leSMSPassword->text());
    else if (leSMSPassword->text().isEmpty())
        user->setSmsPassword(QString());
    user->setCanTakeOff(cbCanTakeOff->isChecked());
    user->setCanTakeOn(cbCanTakeOn->isChecked());
    user->setAllowRemoteControl(cbAllowRemoteControl->isChecked());
    user->setPartitions(quint32(Overmind::checkedMask(cbPartitions)) * 2);
    user->setRedirectOperatorMessages(cbOperatorMessageRedirect->isChecked());
    user->setAllowExtraNotifications(cbAllowExtraNotifications->isChecked());
    const int row = cbCallControlGroup->currentIndex();
    user->setCallControlGroup(row <= 0 ? UserSettings::NoCallGroup : row - 1);
    user->setSmsControlGroups(smsGroupsMask());
    user->setSettingsVersion(1);
    emit accepted();
    close();
}

void UserAddDialog::onCancelClicked()
{
    close();
}

void UserAddDialog::closeEvent(QCloseEvent *event)
{
    if (!okDone)
        emit cancelled();
    QWidget::closeEvent(event);
}

bool UserAddDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Shown, not changed: the boxes of a viewed user swallow what would toggle them.
    if (mode == ViewMode && watched != this && qobject_cast<QCheckBox *>(watched)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    if (watched == this && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return && pbOk->isEnabled() && pbOk->isVisible()) {
            onOkClicked();
            return true;
        }
        // Escape leaves the window as Cancel does.
        if (key == Qt::Key_Escape) {
            onCancelClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
