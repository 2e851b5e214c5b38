#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;

// Check box editor whose text is the caption of its present state.
class QtBoolEdit : public QWidget
{
    Q_OBJECT
public:
    explicit QtBoolEdit(QWidget *parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    bool textVisible() const { return m_textVisible; }
    void setTextVisible(bool visible);
    QStringList captions() const { return m_captions; }
    void setCaptions(const QStringList &captions);
    bool blockCheckBoxSignals(bool block);

signals:
    void toggled(bool);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void showCaption();

private:
    QString captionOf(bool checked) const;

    QCheckBox *m_checkBox;
    QStringList m_captions;
    bool m_textVisible = true;
};
