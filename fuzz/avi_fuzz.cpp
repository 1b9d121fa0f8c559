#include "animation/avireader.h"

#include <cstdint>
#include <cstdlib>

// Any bytes read as an AVI file: never a crash or a read past the input,
// and either a consistent animation or an error.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto a = tablicznik::readAvi(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!a.isValid()) {
        if (a.error.isEmpty() || !a.frames.isEmpty())
            std::abort();
        return 0;
    }
    if (a.microSecondsPerFrame == 0 || a.frameSize.isEmpty())
        std::abort();
    for (const QImage &frame : a.frames) {
        if (frame.size() != a.frameSize || frame.format() != QImage::Format_Indexed8 || frame.colorCount() != 256)
            std::abort();
        // Reading every pixel catches a frame whose buffer is smaller than its size.
        volatile unsigned sum = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                sum = sum + frame.constScanLine(y)[x];
    }
    return 0;
}
