#pragma once

#include <QString>

#include <array>

namespace tablicznik {

// One chemical element as the program knows it. Every value is the exact
// display text (decimal comma, "-" for no data, rich-text fragments such as
// "{\super 2}"); a value becomes a number only when a view needs one.
struct ElementRecord {
    int Numer = 0;       // atomic number; 0 for the placeholder
    QString Symbol;      // the button caption: "H", "Fe", "Unq"
    QString Nazwa;       // the Polish name, also the button hint

    QString KonfElektr, NazAng, NazLac, MasaAtom, WartTyp, WartInne, CharTlen,
        Elektrouj, EnerJoniz, EntropMol, LiczIzotop, LiczTrIzotop, PromAtom,
        PromKowal, Gestosc, TempWrz, TempTop, RokOdkryc, OporWlas, TypPrzew,
        Twardosc, MolPojCiep, EntTop, PodatMag, TempCur, WytrzRoz, ModYoung,
        WspPrzewCiep, MolEntAtom, RodzMolEntAtom, PowElektr, StanSkup, PowK,
        PowL, PowM, PowN, PowO, PowP, PowQ, StopUtl, TypStopUtl, PotJon1,
        PotJon2, PotJon3, PotJon4, StanPot, ZawCzlow, ZawZiemia, ZawSkorZiem,
        ZawPow, ZawOcean, ZawUklad, Izotopy, Mineraly;
    QString Opis;        // a complete RTF document

    // The text field of the given name ("PromAtom", "Opis" ...), or a null
    // QString when there is no such field.
    QString field(QStringView name) const;
};

// The text fields stored in a catalogue file, in their declared order
// (Symbol and Nazwa first; Numer is the only number; Opis lives apart).
struct TextField {
    const char *name;
    QString ElementRecord::*member;
};
extern const std::array<TextField, 56> kStoredTextFields;

} // namespace tablicznik
