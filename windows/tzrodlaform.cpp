#include "tzrodlaform.h"

#include "cues/soundcues.h"
#include "windowlook.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tablicznik {

// The references the catalogue's numbers were taken from (see the catalogue's SOURCES.md).
const QStringList TZrodlaForm::kSources = {
    QStringLiteral("Dane zawarte w programie pochodzą z następujących źródeł:"),
    QStringLiteral("- CRC Handbook of Chemistry and Physics, Boca Raton 1990-99,"),
    QStringLiteral("- N. N. Greenwood, A. Earnshaw, Chemistry of the Elements,"),
    QStringLiteral("   Oxford 1997,"),
    QStringLiteral("- J. Emsley, The Elements, Oxford 1998,"),
    QStringLiteral("- J. Emsley, Nature's Building Blocks, Oxford 2001,"),
    QStringLiteral("- Blue Obelisk Data Repository i dane Kalzium, 2022,"),
    QStringLiteral("- źródła Internetowe"),
};

TZrodlaForm::TZrodlaForm(SoundCues &cues, QWidget *parent) : QDialog(parent), m_cues(cues)
{
    setUpWindow(this, "Zrodla", QStringLiteral("Źródła danych."), 11, Qt::MSWindowsFixedSizeDialogHint, Qt::Dialog);
    setClientSizeCentred(this, kClientWidth, kClientHeight);

    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(0, 0, kClientWidth, 121);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(2);
    memo->setReadOnly(true);
    makeSilver(memo);
    memo->setPlainText(kSources.join(QLatin1Char('\n')));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry((kClientWidth - 133) / 2, 127, 133, 25);
    ok->setDefault(true);
    ok->setFocus(); // Enter closes the window at once
    connect(ok, &QPushButton::clicked, this, &TZrodlaForm::OKClick);
}

void TZrodlaForm::OKClick()
{
    m_cues.PlayExit();
    accept();
}

} // namespace tablicznik
