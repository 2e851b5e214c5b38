#pragma once

#include "app/BaseSettingsWidget.h"

class BitfieldWidget;
class OutputMaskTimeEdit;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;

// Editor of one 32-bit output pattern: duration (count and step), end state, volume,
// modulation and the 16-step on/off sequence, with the raw value in hexadecimal.
class MaskEditWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    // Slider positions: 125 ms steps up to 256, then 1 s, 8 s and 32 s steps.
    static constexpr int MaxPosition = 895;

    explicit MaskEditWidget(QWidget *parent = nullptr);

    void setMask(quint32 mask);
    quint32 mask() const { return m_mask; }
    void setVolumeVisible(bool visible);

    static int positionToMs(int position);
    static int msToPosition(int ms);
    // Bits 0..9 of a pattern for a duration.
    static quint32 encodeDuration(int ms);
    // The duration bits 0..9 of a pattern stand for.
    static int durationMs(quint32 mask);

public slots:
    void recalcMask();
    void timeSliderChanged();
    void timeEditChanged();
    void rawMaskEdited();

private:
    void buildForm();
    void showRaw();
    void blockControls(bool block);

    OutputMaskTimeEdit *m_time;
    QSlider *m_timeSlider;
    QLabel *m_volumeLabel;
    QSlider *m_volume;
    QCheckBox *m_endState;
    QCheckBox *m_modulation;
    QLabel *m_modulationHint;
    BitfieldWidget *m_bits;
    QLineEdit *m_raw;
    quint32 m_mask = 0;
    bool m_rawEditing = false;
};
