#pragma once

#include <QLineEdit>

// The partition name field: reports the mouse entering and leaving, and remembers the
// text last loaded, against which edits are marked.
class CustomLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CustomLineEdit(QWidget *parent = nullptr);

    QString savedText() const { return m_savedText; }

public slots:
    void setText(const QString &text);

signals:
    void isEnter();
    void isLeave();

protected:
    bool event(QEvent *event) override;

private:
    QString m_savedText;
};
