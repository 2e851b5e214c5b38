// Opens arbitrary bytes as a configuration file in the running program: the checks of a
// file opened for viewing (readable, JSON, format version), then the write-in's: the
// section chooser with its conversions of old files and, with bit 0 of the first byte
// set, the write-in's section checks (format, the logged-in user kept) and its writing.
#include "FuzzSupport.h"

#include "app/ConfigFile.h"
#include "app/KorvelConfigWidget.h"
#include "app/Overmind.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Program &program = Fuzz::Program::instance();
    static QTemporaryDir folder;
    if (size < 1)
        return 0;
    const QString path = folder.filePath(QStringLiteral("input.cfg"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    }
    Overmind *overmind = program.overmind();
    overmind->loadConfigFile(path);

    ConfigFile document;
    if (document.load(path) != ConfigFile::Loaded || document.formatVersion() == 0)
        return 0;
    ConfigFile chosen;
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document, KorvelConfigWidget::Loading);
        chosen = chooser.configuration();
    }
    if (data[0] & 1)
        overmind->writeConfigToDevice(chosen);
    program.settle();
    return 0;
}
