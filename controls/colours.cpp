#include "colours.h"

namespace tablicznik {

QColor colour(quint32 value)
{
    if (value & 0x80000000u) {
        switch (value) {
        case SystemColour::ActiveCaption: return QColor(0x00, 0x00, 0x80);
        case SystemColour::InactiveCaption: return QColor(0x80, 0x80, 0x80);
        case SystemColour::Highlight: return QColor(0x00, 0x00, 0x80);
        case SystemColour::BtnFace: return QColor(0xC0, 0xC0, 0xC0);
        case SystemColour::BtnShadow: return QColor(0x80, 0x80, 0x80);
        case SystemColour::GrayText: return QColor(0x80, 0x80, 0x80);
        case SystemColour::BtnHighlight: return QColor(0xFF, 0xFF, 0xFF);
        case SystemColour::BtnText:
        case SystemColour::WindowText:
        default: return QColor(0x00, 0x00, 0x00);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont font;
    if (family == QLatin1StringView("MS Sans Serif"))
        font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    else
        font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace tablicznik
