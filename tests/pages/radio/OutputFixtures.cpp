#include "OutputFixtures.h"

#include "app/Overmind.h"
#include "radio/PartitionModel.h"
#include "sim/SimRadioConfiguration.h"

#include <cstring>

InstalledController::InstalledController(bool withDevices)
    : m_overmind(std::make_unique<Overmind>())
{
    m_overmind->deviceInfo().init(0, 0, 0, 0);
    m_overmind->createSettingsObjects(true);
    PartitionModel *model = m_overmind->partitionModel();
    using Config = SimRadioConfiguration;
    for (int i = 0; i < Config::PartitionCount; ++i) {
        model->setPartitionStatus(quint16(i), Config::partitionStatus(i));
        model->setPartitionData(quint16(i), Config::partitionBlock(i));
    }
    if (!withDevices)
        return;
    for (const Config::Device &device : Config::devices())
        model->setFullSensorData(quint16(device.id), Config::sensorReport(device));
}

InstalledController::~InstalledController() = default;

s_OutputModeSett patternedBlock(quint16 mode)
{
    s_OutputModeSett block;
    auto *bytes = reinterpret_cast<quint8 *>(&block);
    for (int i = 0; i < int(sizeof(block)); ++i)
        bytes[i] = quint8(i * 7 + 1);
    block.Mode = mode;
    block.tactic = 3;
    block.EnableEvents = 0x3F;
    block.SelectedPartitions = 0x6;
    block.Hyst = 150;
    block.IntTempRef = 2150;
    block.FeedbackSensAddr = 255;
    block.OutGroupNumber = 3;
    return block;
}
