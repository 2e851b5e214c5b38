#pragma once

#include <QWidget>

// Asks whether to change the radio channel group, since every enrolled radio device must
// then be set up again. Answers once, when it closes: Yes 0, No 1, Cancel 2.
class ChangeChannelGroup : public QWidget
{
    Q_OBJECT
public:
    enum Answer
    {
        Yes = 0,
        No = 1,
        Cancel = 2,
    };

    ChangeChannelGroup();

signals:
    void btnClicked(int code);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void answer(int code);

    int m_code = Cancel;
};
