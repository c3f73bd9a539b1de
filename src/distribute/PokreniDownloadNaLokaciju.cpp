// The run as the button and the timer start it, with the closing box.
#include "distribute/PunjenjeLokacije.h"

#include "base/Prozor.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"

namespace velkor {

IshodOperacije PunjenjeLokacije::PokreniDownloadNaLokaciju(bool PrikažiPoruke) {
    const bool uspjeh = DownloadNaLokaciju(PrikažiPoruke);
    prikaz.Zaustavi();
    prozor.SakrijProgres();
    if (krajPrograma)
        return IshodOperacije::KrajPrograma;
    const IshodOperacije ishod = uspjeh ? IshodOperacije::Uspjeh : IshodOperacije::Neuspjeh;
    if (!PrikažiPoruke)
        return ishod;

    const QString lokacija = prozor.TekstLokacije(1);
    const QString vrijeme = prozor.VrijemePrijenosa();
    const QString ukupno = QStringLiteral("Ukupno prenesno: ") +
                           QString::number(stanje.UkupnoPreneseno) + QStringLiteral(" bajtova.");
    if (uspjeh)
        prozor.Poruka(QStringLiteral("Uspješno skinuti programi na lokaciju ") + lokacija +
                          QLatin1Char(' ') + NoviRed + vrijeme + NoviRed + ukupno + NoviRed +
                          QStringLiteral("Sada je moguće ažuriranje za ostala računala!"),
                      Ikona::Usklicnik);
    else
        prozor.Poruka(QStringLiteral("Upozorenje. Nisu uspješno skinuti programi na lokaciju ") +
                          lokacija +
                          QStringLiteral(" pa ažuriranje sa te lokacije nije preporučljivo. "
                                         "Otklonite nastalu grešku ili kontaktirajte Velkor.") +
                          NoviRed +
                          QStringLiteral("Tek kada prijenos prođe bez problema moguće je "
                                         "koristiti ovu direktoriju za ažuriranje programa!") +
                          NoviRed + vrijeme + NoviRed + ukupno,
                      Ikona::Usklicnik);
    return ishod;
}

} // namespace velkor
