#include "data/stringtofloat.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

// Any text read as an element value: never a crash, and a number only when
// the reader says so.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto result = tablicznik::StringToFloat(text);
    if (!result.noNumber && (result.malformed || !std::isfinite(result.value)))
        std::abort();
    if (result.noNumber && result.value != 0.0)
        std::abort();
    return 0;
}
