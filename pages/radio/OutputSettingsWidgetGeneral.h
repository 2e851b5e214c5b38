#pragma once

#include <QStringList>
#include <QWidget>

class DoubleSpinBoxWithValidator;
class MaskEditWidget;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

// The controls shared by the temperature, humidity and CO control forms.
class OutputSettingsWidgetGeneral : public QWidget
{
    Q_OBJECT
public:
    // The communicator's own temperature sensor in the feedback list.
    static constexpr quint16 OwnSensor = 255;

    explicit OutputSettingsWidgetGeneral(QWidget *parent = nullptr);

    void setInverted(bool inverted);
    void setHysteresis(double value);
    void setReference(double value);
    void setReferenceRange(double minimum, double maximum);
    void setFeedbackValue(double value);
    void setMask(quint32 mask);
    bool isInverted() const;
    // Box values times 10, truncated toward zero.
    int hysteresis() const;
    int reference() const;
    quint16 feedbackSensor() const;
    quint32 mask() const;
    MaskEditWidget *maskEditor() const { return m_mask; }
    void fillFeedbackSensors(quint16 selected, int kind);
    void setHints(const QStringList &hints);
    // Whether a device type can feed a form of that sensor kind.
    static bool fitsKind(int type, int kind);

signals:
    void feedbackSensorChanged(int device);

private:
    void buildForm();

    MaskEditWidget *m_mask;
    QCheckBox *m_inverted;
    QComboBox *m_feedbackSensor;
    QDoubleSpinBox *m_reference;
    QDoubleSpinBox *m_hysteresis;
    DoubleSpinBoxWithValidator *m_feedbackValue;
    QLabel *m_invertHint;
    QLabel *m_hysteresisHint;
    QLabel *m_referenceHint;
    QLabel *m_sensorHint;
    QLabel *m_feedbackHint;
};
