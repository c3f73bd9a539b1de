// The run as the button and the timer start it, with the closing box.
#include "distribute/PunjenjeLokacije.h"

#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"

namespace velkor {

QString PunjenjeLokacije::štoNijeUspjelo() const {
    if (neispravni.isEmpty())
        return {};
    return NoviRed + QStringLiteral("Nisu ispravno preneseni: ") +
           neispravni.join(QStringLiteral(", ")) +
           QStringLiteral(". Na lokaciji su ostali stari popisi verzija.");
}

IshodOperacije PunjenjeLokacije::PokreniDownloadNaLokaciju(bool PrikažiPoruke,
                                                           const QString& zadanaLokacija) {
    const bool uspjeh = DownloadNaLokaciju(PrikažiPoruke, zadanaLokacija);
    prikaz.Zaustavi();
    napredak.SakrijProgres();
    if (krajPrograma)
        return IshodOperacije::KrajPrograma;
    const IshodOperacije ishod = uspjeh ? IshodOperacije::Uspjeh : IshodOperacije::Neuspjeh;
    // A failure of no kind of its own: the location keeps what it had.
    if (!uspjeh && (stanje.VrstaZadnjeGreške == VrstaGreske::Nijedna ||
                    stanje.VrstaZadnjeGreške == VrstaGreske::Ostalo))
        stanje.VrstaZadnjeGreške = VrstaGreske::LokacijaNepopunjena;
    if (!PrikažiPoruke)
        return ishod;

    const QString vrijeme = prikaz.Tekst();
    const QString ukupno = QStringLiteral("Ukupno prenesno: ") +
                           QString::number(stanje.UkupnoPreneseno) + QStringLiteral(" bajtova.");
    if (uspjeh)
        poruke.Poruka(QStringLiteral("Uspješno skinuti programi na lokaciju ") + lokacija +
                          QLatin1Char(' ') + NoviRed + vrijeme + NoviRed + ukupno + NoviRed +
                          QStringLiteral("Sada je moguće ažuriranje za ostala računala!"),
                      Ikona::Usklicnik);
    else
        poruke.Poruka(QStringLiteral("Upozorenje. Nisu uspješno skinuti programi na lokaciju ") +
                          lokacija +
                          QStringLiteral(" pa ažuriranje sa te lokacije nije preporučljivo. "
                                         "Otklonite nastalu grešku ili kontaktirajte Velkor.") +
                          NoviRed +
                          QStringLiteral("Tek kada prijenos prođe bez problema moguće je "
                                         "koristiti ovu direktoriju za ažuriranje programa!") +
                          NoviRed + vrijeme + NoviRed + ukupno + štoNijeUspjelo(),
                      Ikona::Usklicnik);
    return ishod;
}

} // namespace velkor
