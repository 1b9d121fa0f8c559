#include "richtext/rtfreader.h"

#include <QString>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

// Any bytes read as an RTF document: never a crash, a hang or unbounded
// growth, and the document that comes out is well formed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString rtf = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument doc;
    tablicznik::readRtf(rtf, &doc);
    // Every character shown comes from at least one input character, and
    // every paragraph from a break in the input.
    qsizetype characters = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        characters += block.length() - 1;
    if (characters > rtf.size() || doc.blockCount() > rtf.size() + 1)
        std::abort();
    return 0;
}
