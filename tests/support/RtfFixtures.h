// The RTF files of the fixtures folder, and RTF read into a document through the reader alone.
#pragma once

#include "richtext/RtfDocumentBuilder.h"
#include "richtext/RtfReader.h"

#include <QFile>
#include <QString>
#include <QTextDocument>

inline QString rtfFixturePath(const char *name)
{
    return QStringLiteral(TILDORA_FIXTURES "/rtf/") + QLatin1String(name);
}

inline QByteArray rtfFixture(const char *name)
{
    QFile file(rtfFixturePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

// Unlike loading a file, no check that the bytes are RTF: whatever comes goes to the reader.
inline void readInto(QTextDocument &document, const QByteArray &rtf)
{
    RtfDocumentBuilder builder(document);
    RtfReader reader(builder);
    reader.read(rtf);
    builder.finish();
}
