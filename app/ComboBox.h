#pragma once

#include <QComboBox>
#include <QElapsedTimer>

// A combo box that reports its popup and visibility and keeps its popup open when
// the click that opened it is released at once.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    // How long after opening the popup stays open; tests set it.
    static int minimumPopupMs;

    explicit ComboBox(QWidget *parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

signals:
    void showed();
    void hided();
    void clicked();
    void popupShown();
    void popupHidden();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QElapsedTimer m_popupShownAt;
};
