#pragma once

#include "description.h"

#include <QString>

namespace tablicznik {

// The text fields of an element record in their declared order: Symbol
// (the button caption: "H", "Fe", "Unq"), Nazwa (the Polish name, also the
// button hint), then the data. This list is the one place that names them:
// the record's members, the catalogue files' keys and the catalogue tools
// (tools/catalogue/fields.py reads it from here) all derive from it.
#define TABLICZNIK_TEXT_FIELDS(X)                                                                              \
    X(Symbol) X(Nazwa) X(KonfElektr) X(NazAng) X(NazLac) X(MasaAtom) X(WartTyp) X(WartInne) X(CharTlen)        \
    X(Elektrouj) X(EnerJoniz) X(EntropMol) X(LiczIzotop) X(LiczTrIzotop) X(PromAtom) X(PromKowal) X(Gestosc)   \
    X(TempWrz) X(TempTop) X(RokOdkryc) X(OporWlas) X(TypPrzew) X(Twardosc) X(MolPojCiep) X(EntTop) X(PodatMag) \
    X(TempCur) X(WytrzRoz) X(ModYoung) X(WspPrzewCiep) X(MolEntAtom) X(RodzMolEntAtom) X(PowElektr)           \
    X(StanSkup) X(PowK) X(PowL) X(PowM) X(PowN) X(PowO) X(PowP) X(PowQ) X(StopUtl) X(TypStopUtl) X(PotJon1)    \
    X(PotJon2) X(PotJon3) X(PotJon4) X(StanPot) X(ZawCzlow) X(ZawZiemia) X(ZawSkorZiem) X(ZawPow) X(ZawOcean)  \
    X(ZawUklad) X(Izotopy) X(Mineraly)

// One chemical element as the program knows it. Every value is the exact
// display text (decimal comma, "-" for no data, rich-text fragments such as
// "{\super 2}"); a value becomes a number only when a view needs one.
struct ElementRecord {
    int Numer = 0; // atomic number; 0 for the placeholder
#define TABLICZNIK_DECLARE_FIELD(name) QString name;
    TABLICZNIK_TEXT_FIELDS(TABLICZNIK_DECLARE_FIELD)
#undef TABLICZNIK_DECLARE_FIELD
    Description Opis; // kept apart from the stored fields
};

// A text field of the record: what tables hold to name one, so that a
// misspelt field does not compile.
using Field = QString ElementRecord::*;

// The text fields stored in a catalogue file, with their keys, in their
// declared order (Numer is the only number; Opis lives apart).
struct TextField {
    const char *name;
    Field member;
};
inline constexpr TextField kStoredTextFields[] = {
#define TABLICZNIK_LIST_FIELD(name) TextField{#name, &ElementRecord::name},
    TABLICZNIK_TEXT_FIELDS(TABLICZNIK_LIST_FIELD)
#undef TABLICZNIK_LIST_FIELD
};

} // namespace tablicznik
