#pragma once

#include <QString>
#include <exception>

// Every problem of reading a firmware container. Catchers show `message`; what() keeps the
// library's default text.
class dmia_exception : public std::exception
{
public:
    explicit dmia_exception(const char *text) : message(QString::fromUtf8(text)) {}
    explicit dmia_exception(const QString &text) : message(text) {}

    QString message;
};

class bad_format_exception : public dmia_exception
{
public:
    using dmia_exception::dmia_exception;
};

class not_exists_exception : public dmia_exception
{
public:
    using dmia_exception::dmia_exception;
};
