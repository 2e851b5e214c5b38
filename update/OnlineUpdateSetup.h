#pragma once

#include <QDialog>

class ContentAwareLineEdit;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class SpinBoxWithValidator;

// Where the online firmware service lives and how to reach it through a proxy.
class OnlineUpdateSetup : public QDialog
{
    Q_OBJECT
public:
    static const QString DefaultServer;
    static const QString DefaultProxyHost;
    static constexpr int DefaultProxyPort = 3128;
    static constexpr int ServerLength = 31;

    explicit OnlineUpdateSetup(QWidget *parent = nullptr);

    void restoreDefaults();
    void saveSettings();

    QLineEdit *leServer = nullptr;
    QGroupBox *gbProxy = nullptr;
    QComboBox *cbType = nullptr;
    QLineEdit *leHost = nullptr;
    SpinBoxWithValidator *sbPort = nullptr;
    ContentAwareLineEdit *leUser = nullptr;
    ContentAwareLineEdit *lePassword = nullptr;
    QPushButton *pbDefault = nullptr;
    QDialogButtonBox *buttonBox = nullptr;

public slots:
    void accept() override;

private:
    void buildForm();
    void loadSettings();
    void installValidators();
};
