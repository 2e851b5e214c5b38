#pragma once

#include <QString>

// A temporary folder of this test process, removed when the process ends; tests place
// their files here so nothing outside it is read or left behind.
namespace TestFolder {
QString path(const QString &name);
}
