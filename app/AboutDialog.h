#pragma once

#include <QDialog>

class QLabel;

// The about box. Two hidden digit sequences typed into it switch the debug mode.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    static QString buildText();
    static QString buildDateText(const char *compilerDate);

signals:
    void showDebugTab();
    void hideDebugTab();

protected:
    bool event(QEvent *event) override;

private:
    void setupUi();
    void retranslateUi();
    void onKeyPress(int key);

    QLabel *m_title = nullptr;
    QLabel *m_versionCaption = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_build = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_contacts = nullptr;
    class QPushButton *m_close = nullptr;
};
