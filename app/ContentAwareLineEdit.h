#pragma once

#include <QLineEdit>
#include <functional>

// A line edit that checks every edit at once and marks its content correct or incorrect.
class ContentAwareLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using Checker = std::function<bool(const QString &)>;
    enum Mark
    {
        NoMark = 0,
        CorrectMark = 1,
        IncorrectMark = 2
    };

    explicit ContentAwareLineEdit(QWidget *parent = nullptr);

    void setChecker(Checker checker);
    bool isChanged() const;
    int mark() const { return m_mark; }
    QString warning() const;
    void setWarning(const QString &warning);

public slots:
    bool check(const QString &text);
    bool check();
    void clear();
    void onTextEdited(const QString &text);
    void onTextChanged(const QString &text);

signals:
    void focusIn();
    void focusOut();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_initialTextCaptured = false;
    QString m_initialText;
    Checker m_checker;
    int m_mark = NoMark;
};
