#pragma once

#include <QLineEdit>

// A line edit for an IPv6 address that keeps at least the "::" of a shortened
// address while the user edits it.
class IpV6Edit : public QLineEdit
{
    Q_OBJECT
public:
    explicit IpV6Edit(QWidget *parent = nullptr);

    void setAddress(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void restoreColons(int selectionStart);
};
