#pragma once

#include <QLineEdit>

// A line edit for a dotted IPv4 address that keeps its three dots in place and moves
// from octet to octet by itself while the user types.
class IpV4Edit : public QLineEdit
{
    Q_OBJECT
public:
    explicit IpV4Edit(QWidget *parent = nullptr);

    void setAddress(const QString &text);

    // Octet helpers shared with HostEdit.
    static QString octetAround(const QString &text, int pos);
    static bool octetIsFull(const QString &octet, int digit, bool limitAfterTwentyFive);
    static bool isDigitKey(const QKeyEvent *event);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool allSelected() const;
    // Re-inserts dots at the cursor after a selection with dots was replaced.
    void restoreDots(int selectionStart, int oldCursor);
};
