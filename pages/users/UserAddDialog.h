#pragma once

#include <QStringList>
#include <QWidget>

class ComboBox;
class ContentAwareLineEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QValidator;
class UserSettings;

// The window in which one user is created, changed or only looked at. It checks every
// field while it is typed and writes the values into the user it was given; storing the
// user is the opener's work.
class UserAddDialog : public QWidget
{
    Q_OBJECT
public:
    enum Mode
    {
        AddMode = 0,
        EditMode = 1,
        ViewMode = 2
    };

    UserAddDialog(UserSettings *user, int mode, QWidget *parent = nullptr);
    ~UserAddDialog() override;

signals:
    void accepted();
    void cancelled();

public slots:
    void onOkClicked();
    void checkData();
    void onCancelClicked();
    void updateSmsControlGroupsText();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildForm();
    void buildCommonGroup();
    void buildSmsGroup();
    void buildOutputsGroup();
    void setModeTexts();
    void fillGroupCombos();
    void installCheckers();
    void fillFromUser();
    void makeReadOnly();
    void connectChanges();
    void updateWarningLine();
    bool hasChanges() const;
    int callGroupRow(int stored) const;
    quint16 smsGroupsMask() const;
    bool refuseShortTexts();
    bool refuseWithoutPhone();

    bool checkName(const QString &text);
    bool checkLogin(const QString &text);
    bool checkPassword(const QString &text);
    bool checkPasswordRepeat(const QString &text);
    bool checkPhone(const QString &text);
    bool isPhoneTaken(const QString &text) const;
    bool checkSmsPassword(const QString &text);
    bool checkSmsPasswordRepeat(const QString &text);
    static bool judge(ContentAwareLineEdit *edit, const QString &warning);

    UserSettings *user;
    int mode;
    bool okDone = false;
    bool passwordEdited = false;
    bool smsPasswordEdited = false;
    const QString passwordPlaceholder = QStringLiteral("********");
    const QString smsPlaceholder = QStringLiteral("00000");
    QString lastSmsText = QStringLiteral("00000");
    QValidator *phoneValidator = nullptr;
    QStringList otherPhones;

    QLabel *lblCaption = nullptr;
    QGroupBox *gbCommonSettings = nullptr;
    QGroupBox *gbSMSControl = nullptr;
    QGroupBox *gbOutputs = nullptr;
    QCheckBox *cbAdmin = nullptr;
    QCheckBox *cbQuenor3 = nullptr;
    ContentAwareLineEdit *leUsername = nullptr;
    ContentAwareLineEdit *leLogin = nullptr;
    ContentAwareLineEdit *lePassword = nullptr;
    ContentAwareLineEdit *lePasswordRepeat = nullptr;
    ContentAwareLineEdit *lePhoneNumber = nullptr;
    QCheckBox *cbOperatorMessageRedirect = nullptr;
    QCheckBox *cbAllowExtraNotifications = nullptr;
    QCheckBox *cbCanTakeOn = nullptr;
    QCheckBox *cbCanTakeOff = nullptr;
    QCheckBox *cbAllowRemoteControl = nullptr;
    ComboBox *cbPartitions = nullptr;
    ContentAwareLineEdit *leSMSPassword = nullptr;
    ContentAwareLineEdit *leSMSPasswordRepeat = nullptr;
    ComboBox *cbSMSControlGroups = nullptr;
    QComboBox *cbCallControlGroup = nullptr;
    QLabel *lblWarning = nullptr;
    QPushButton *pbOk = nullptr;
    QPushButton *pbCancel = nullptr;
};
