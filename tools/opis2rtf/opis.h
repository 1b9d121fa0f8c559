#pragma once

#include <QByteArray>
#include <QString>

namespace tablicznik {

// Turns a description written in the light markup of README.md into the RTF
// document the program carries. On a fault `rtf` is empty and `error` names
// the line and the fault.
struct OpisConversion {
    QByteArray rtf;
    QString title;
    QString error;
};

OpisConversion opisToRtf(const QString &source);

} // namespace tablicznik
