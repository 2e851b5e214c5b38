#pragma once

#include <QString>

// Where one operation's progress texts go.
class Sender
{
public:
    virtual ~Sender() = default;
    virtual void send(const QString &text) = 0;
};

// Lets a helper log through a page without owning it; texts before a sender is set are dropped.
class SenderHolder
{
public:
    void setSender(Sender *sender) { m_sender = sender; }
    void send(const QString &text) const
    {
        if (m_sender)
            m_sender->send(text);
    }

private:
    Sender *m_sender = nullptr;
};
