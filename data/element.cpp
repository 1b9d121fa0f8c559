#include "element.h"

namespace tablicznik {

#define TABLICZNIK_FIELD(name) TextField{#name, &ElementRecord::name}

const std::array<TextField, 56> kStoredTextFields = {
    TABLICZNIK_FIELD(Symbol),       TABLICZNIK_FIELD(Nazwa),      TABLICZNIK_FIELD(KonfElektr),
    TABLICZNIK_FIELD(NazAng),       TABLICZNIK_FIELD(NazLac),     TABLICZNIK_FIELD(MasaAtom),
    TABLICZNIK_FIELD(WartTyp),      TABLICZNIK_FIELD(WartInne),   TABLICZNIK_FIELD(CharTlen),
    TABLICZNIK_FIELD(Elektrouj),    TABLICZNIK_FIELD(EnerJoniz),  TABLICZNIK_FIELD(EntropMol),
    TABLICZNIK_FIELD(LiczIzotop),   TABLICZNIK_FIELD(LiczTrIzotop), TABLICZNIK_FIELD(PromAtom),
    TABLICZNIK_FIELD(PromKowal),    TABLICZNIK_FIELD(Gestosc),    TABLICZNIK_FIELD(TempWrz),
    TABLICZNIK_FIELD(TempTop),      TABLICZNIK_FIELD(RokOdkryc),  TABLICZNIK_FIELD(OporWlas),
    TABLICZNIK_FIELD(TypPrzew),     TABLICZNIK_FIELD(Twardosc),   TABLICZNIK_FIELD(MolPojCiep),
    TABLICZNIK_FIELD(EntTop),       TABLICZNIK_FIELD(PodatMag),   TABLICZNIK_FIELD(TempCur),
    TABLICZNIK_FIELD(WytrzRoz),     TABLICZNIK_FIELD(ModYoung),   TABLICZNIK_FIELD(WspPrzewCiep),
    TABLICZNIK_FIELD(MolEntAtom),   TABLICZNIK_FIELD(RodzMolEntAtom), TABLICZNIK_FIELD(PowElektr),
    TABLICZNIK_FIELD(StanSkup),     TABLICZNIK_FIELD(PowK),       TABLICZNIK_FIELD(PowL),
    TABLICZNIK_FIELD(PowM),         TABLICZNIK_FIELD(PowN),       TABLICZNIK_FIELD(PowO),
    TABLICZNIK_FIELD(PowP),         TABLICZNIK_FIELD(PowQ),       TABLICZNIK_FIELD(StopUtl),
    TABLICZNIK_FIELD(TypStopUtl),   TABLICZNIK_FIELD(PotJon1),    TABLICZNIK_FIELD(PotJon2),
    TABLICZNIK_FIELD(PotJon3),      TABLICZNIK_FIELD(PotJon4),    TABLICZNIK_FIELD(StanPot),
    TABLICZNIK_FIELD(ZawCzlow),     TABLICZNIK_FIELD(ZawZiemia),  TABLICZNIK_FIELD(ZawSkorZiem),
    TABLICZNIK_FIELD(ZawPow),       TABLICZNIK_FIELD(ZawOcean),   TABLICZNIK_FIELD(ZawUklad),
    TABLICZNIK_FIELD(Izotopy),      TABLICZNIK_FIELD(Mineraly),
};

#undef TABLICZNIK_FIELD

QString ElementRecord::field(QStringView name) const
{
    if (name == u"Opis")
        return Opis;
    for (const auto &f : kStoredTextFields)
        if (name == QLatin1StringView(f.name))
            return this->*f.member;
    return {};
}

} // namespace tablicznik
