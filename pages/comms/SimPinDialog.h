#pragma once

#include "link/ProtocolTypes.h"
#include "link/Records.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// Enters, changes or unblocks the PIN of a SIM card, on the page a SIM control answer
// calls for. Sends its request and closes; the device's next answer tells the outcome.
class SimPinDialog : public QDialog
{
    Q_OBJECT
public:
    enum Page
    {
        SuccessPage = 0,
        PinPage = 1,
        NewPinPage = 2,
        PukPage = 3,
    };
    enum Command : quint8
    {
        EnablePin = 0,
        DisablePin = 1,
        SetNewPin = 2,
        EnterPin = 3,
        UnlockWithPuk = 4,
        MakeActive = 5,
    };

    SimPinDialog();

    // Prepares the page for the answer; true when the dialog is to be shown.
    bool showStatus(const s_SimcardStatus &status);
    int simCard() const { return m_sim; }

    // A SIM control request: the texts go into their 10-byte fields, cut at 10 bytes.
    static s_SimcardControl request(quint8 command, int sim, const QString &pin = QString(),
                                    const QString &puk = QString());

signals:
    void saveNewPinCode(int sim, const QString &pin);

public slots:
    void sendNewPinCode();
    void sendChangePinCode();
    void sendPukCode();

private:
    void setupUi();
    QWidget *makeSuccessPage();
    QWidget *makePinPage();
    QWidget *makeNewPinPage();
    QWidget *makePukPage();
    void send(const s_SimcardControl &control);
    void followPukFields();

    int m_sim = 0;
    QLabel *m_simLabel = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_successText = nullptr;
    QLabel *m_pinTries = nullptr;
    QLineEdit *m_pin = nullptr;
    QPushButton *m_sendPin = nullptr;
    QLineEdit *m_newPinSet = nullptr;
    QLineEdit *m_newPinRepeat = nullptr;
    QPushButton *m_setNewPin = nullptr;
    QLabel *m_pukTries = nullptr;
    QLineEdit *m_puk = nullptr;
    QLineEdit *m_newPin = nullptr;
    QPushButton *m_sendPuk = nullptr;
};
