// Feeds the answers the partition model owns through the running program's protocol:
// radio device, partition, output and loop status, settings and full reports, device
// deletion and output tactics. Then reads every partition and device the model holds.
#include "FuzzSupport.h"

#include "app/Overmind.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <cstddef>
#include <cstdint>

namespace {
void visit(SensorProperty &node)
{
    node.value();
    if (node.captionsGetter)
        node.captionsGetter();
    if (node.valuesGetter)
        node.valuesGetter();
    for (SensorProperty &child : node.children)
        visit(child);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    Fuzz::feedAnswers(data, size, Fuzz::operationsOf(QStringLiteral("partition_answers")));
    PartitionModel *model = program.overmind()->partitionModel();
    // What the pages show of them: names, devices and every value of their trees.
    (void)model->partitionNames(false);
    for (const Sensor::SPtr &device : model->sensors())
        visit(device->propertyTree());
    program.settle();
    return 0;
}
