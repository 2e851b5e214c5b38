#include "link/HidBackend.h"

#include <atomic>

#include "link/HidapiBackend.h"

namespace {
std::atomic<HidBackend *> s_installed{nullptr};
}

HidBackend *HidBackend::instance()
{
    if (HidBackend *backend = s_installed.load())
        return backend;
    static HidapiBackend hidapi;
    return &hidapi;
}

void HidBackend::install(HidBackend *backend)
{
    s_installed.store(backend);
}
