// A mail transport for tests: records every message handed over and answers with a set result.
#pragma once

#include "platform/MailTransport.h"

#include <QFile>
#include <QList>

#include <functional>

class FakeMailTransport : public MailTransport {
public:
    // Installs itself for its lifetime.
    FakeMailTransport() { MailTransport::setInstance(this); }
    ~FakeMailTransport() override { MailTransport::setInstance(nullptr); }

    MailResult sendMail(const SimpleMapi::MapiMessage &message, quint32 flags) override
    {
        messages << message;
        this->flags << flags;
        // What the attachment held at the moment of the hand-off.
        QByteArray attached;
        if (!message.lpFiles.isEmpty()) {
            QFile file(message.lpFiles.first().lpszPathName);
            if (file.open(QIODevice::ReadOnly))
                attached = file.readAll();
        }
        attachments << attached;
        if (onSend)
            onSend();
        return result;
    }

    MailResult result;
    std::function<void()> onSend;
    QList<SimpleMapi::MapiMessage> messages;
    QList<quint32> flags;
    QList<QByteArray> attachments;
};
