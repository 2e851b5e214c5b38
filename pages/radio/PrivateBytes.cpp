#include "pages/radio/PrivateBytes.h"

#include "app/Overmind.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

namespace PrivateBytes {
bool partitionHasTakeDelay(const Sensor &device)
{
    Overmind *overmind = Overmind::instance();
    PartitionModel *model = overmind ? overmind->partitionModel() : nullptr;
    Partition *partition = model ? model->partition(device.partition()) : nullptr;
    return !partition || partition->takeDelayEnabled();
}
} // namespace PrivateBytes
