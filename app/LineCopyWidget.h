#pragma once

#include <QWidget>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// A small window showing one read-only line with a button that copies it.
class LineCopyWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LineCopyWidget(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setText(const QString &text);

private slots:
    void on_pbCopy_clicked();
    void on_pbOk_clicked();

private:
    void setupUi();
    void retranslateUi();

    QGridLayout *gridLayout = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QLabel *lblTitle = nullptr;
    QLineEdit *leText = nullptr;
    QPushButton *pbCopy = nullptr;
    QPushButton *pbOk = nullptr;
};
