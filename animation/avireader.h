#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace tablicznik {

// A silent animation read from an uncompressed 8-bit AVI file.
struct AviAnimation {
    QSize frameSize;
    quint32 microSecondsPerFrame = 0;
    QList<QImage> frames; // Format_Indexed8, the file's palette as the colour table, top row first
    QString error;        // empty when the file was read

    bool isValid() const { return error.isEmpty() && !frames.isEmpty(); }
};

// Reads a whole AVI file: the RIFF chunks, the main header 'avih', the video
// stream's 'strh' and 'strf' (BITMAPINFOHEADER and palette) and the frame
// chunks of 'movi' ('NNdb' or 'NNdc', also inside 'rec ' lists). An empty
// frame chunk repeats the frame before it. Only uncompressed pictures of 8
// bits per pixel are taken. A file the reader does not take gives no frames
// and an error that names the fault and where it is; every size in the file
// is checked before it is used.
AviAnimation readAvi(QByteArrayView bytes);

// The largest animation file read: far above any small looping animation,
// far below what would strain the memory of a school computer.
inline constexpr qint64 kLargestAviFile = 32 * 1024 * 1024;

// Reads an AVI file (also a resource, ":/..."). A file that is not a regular
// file, is larger than kLargestAviFile, cannot be opened, or whose RIFF
// header is wrong or promises more bytes than the file has is refused
// before the rest of it is read; the error then says why, without the name.
AviAnimation readAviFile(const QString &fileName);

} // namespace tablicznik
