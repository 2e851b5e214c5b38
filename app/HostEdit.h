#pragma once

#include <QLineEdit>

class QRegularExpressionValidator;

// A line edit for a server address that is either a dotted IPv4 address or a host
// name; it switches its rules by what the user types.
class HostEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum Mode
    {
        IpMode = 0,
        HostNameMode = 1
    };

    explicit HostEdit(QWidget *parent = nullptr);

    void setHost(const QString &text);
    void reset();
    int mode() const { return m_mode; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setMode(Mode mode);
    bool allSelected() const;
    void handleAllSelected(QKeyEvent *event);
    void handleDigit(QKeyEvent *event, int pos);
    void handleBackspace(QKeyEvent *event, int pos);
    void finalFilter(QKeyEvent *event);

    int m_mode = HostNameMode;
    QRegularExpressionValidator *m_validator = nullptr;
};
