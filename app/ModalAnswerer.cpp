#include "app/ModalAnswerer.h"

ModalAnswerer::Handler &ModalAnswerer::handler()
{
    static Handler s_handler;
    return s_handler;
}

void ModalAnswerer::setHandler(Handler h)
{
    handler() = std::move(h);
}

void ModalAnswerer::clearHandler()
{
    handler() = nullptr;
}

bool ModalAnswerer::isActive()
{
    return static_cast<bool>(handler());
}

int ModalAnswerer::answer(const Request &request)
{
    return handler() ? handler()(request) : -1;
}
