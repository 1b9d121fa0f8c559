#pragma once

#include <QColor>
#include <QFont>

namespace tablicznik {

// Colours are written as 0x00BBGGRR, or as one of the desktop's system
// colours, whose values follow the classic Windows scheme.
namespace SystemColour {
constexpr quint32 BtnText = 0x80000012;
constexpr quint32 GrayText = 0x80000011;
constexpr quint32 ActiveCaption = 0x80000002;
constexpr quint32 InactiveCaption = 0x80000003;
constexpr quint32 WindowText = 0x80000008;
constexpr quint32 Highlight = 0x8000000D;
constexpr quint32 BtnShadow = 0x80000010;
constexpr quint32 BtnHighlight = 0x80000014;
constexpr quint32 BtnFace = 0x8000000F;
} // namespace SystemColour

constexpr quint32 clSilver = 0x00C0C0C0;
constexpr quint32 clBlack = 0x00000000;

QColor colour(quint32 value);

// Fonts are given in pixels. "Arial" and "MS Sans Serif" fall back to their
// metric-compatible free equivalents.
QFont pixelFont(const QString &family, int pixels, bool bold = false);

} // namespace tablicznik
