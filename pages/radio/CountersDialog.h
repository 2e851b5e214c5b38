#pragma once

#include <QDialog>
#include <QStringList>
#include <QVector>

class QDoubleSpinBox;
class QVBoxLayout;

// The form the counter dialogs share: a column of meter readings in spin boxes named
// "sbValue1".., "Ok" and "Cancel" below, and the test hook's answer taken in place of the user.
class CountersDialog : public QDialog
{
    Q_OBJECT
public:
    // Offers itself to the test hook first; a hook's answer 1 accepts, anything else rejects.
    int exec() override;

    // A reading's box, counted from 1; null past the last.
    QDoubleSpinBox *box(int counter) const;

protected:
    explicit CountersDialog(QWidget *parent = nullptr);

    QVBoxLayout *mainLayout() const { return m_layout; }
    // The next reading's box, showing `value` in cubic metres with three decimals.
    QDoubleSpinBox *addValueBox(double maximum, double step, double value);
    // Whether the user changed the reading from what the box first showed.
    bool isEdited(int index) const;
    // The buttons end the form, named to the test hook as `names`; accepting reports the readings.
    void addButtons(const QStringList &names);
    virtual void report() = 0;

private:
    QVBoxLayout *m_layout;
    QVector<QDoubleSpinBox *> m_boxes;
    QVector<double> m_shown;
    QStringList m_buttonNames;
};
