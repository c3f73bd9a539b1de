// The update run of the button "Download programa i instalacija": fetch every
// planned package, ask the user, install.
#include "app/Aplikacija.h"

#include "base/Prozor.h"
#include "platform/Platforma.h"

namespace velkor {

namespace {

const QString Prefiks = QStringLiteral("cmdDownloadAndUpdate_Click ");
const QString KljučIzvoza = QStringLiteral(
    "HKCU\\Software\\Seagate Software\\Crystal Reports Designer Component\\Export\\");

} // namespace

IshodOperacije Aplikacija::downloadIInstalacija() {
    Prozor& prozor = okolina.prozor;
    const bool pripremljeno = izvor_.opcija == 1
                                  ? akvizicija_.SnimitiSaMrežneLokacije(izvor_.mrežnaLokacija)
                                  : akvizicija_.SnimitiSaInterneta();
    prozor.PostaviStatus1(QString());
    prozor.SakrijProgres();
    IshodOperacije ishod = IshodOperacije::Neuspjeh;
    if (!pripremljeno) {
        dnevnik_.LogirajGrešku(Prefiks + QStringLiteral("Nije uspio snimiti sa interneta/mrežne "
                                                        "lokacije"));
    } else {
        // With No the fetched files stay in Update/ and nothing is logged.
        if (prozor.Poruka(QStringLiteral("Svi novi programi su spremni za ažuriranje.\r\nDa bi "
                                         "instalirali nove programe morate zatvoriti sve otvorene "
                                         "Velkor programe!\r\nŽelite li izvršiti "
                                         "ažuriranje/instaliranje novih programa?"),
                          Ikona::Upitnik, Gumbi::DaNe) != Odgovor::Da)
            return IshodOperacije::Neuspjeh;
        zapišiVrijednostiIzvoza();
        ishod = instalacija_.UpdatePrograma();
        if (ishod == IshodOperacije::KrajPrograma)
            prozor.ZavršiProgram();
        const QString poruka = ishod == IshodOperacije::Uspjeh
                                   ? QStringLiteral("Uspješno instalirani novi programi!")
                                   : QStringLiteral("Programi nisu uspješno instalirani. "
                                                    "Kontaktirajte Velk-or i prenesite im ove "
                                                    "informacije!");
        if (ishod != IshodOperacije::Uspjeh)
            stanje_.ZadnjaGreška = poruka;
        dnevnik_.LogirajGrešku(Prefiks + poruka);
        prozor.Poruka(poruka, Ikona::Usklicnik);
    }
    dnevnik_.LogirajGrešku(QStringLiteral("********************* KRAJ UPDATE"));
    return ishod;
}

// The bitmap magnification of the report designer's export, denominator first.
// A value that cannot be written is logged and the run goes on.
void Aplikacija::zapišiVrijednostiIzvoza() {
    const std::pair<const char*, quint32> vrijednosti[] = {{"BitMapMagnifDenominator", 1},
                                                           {"BitMapMagnifNumerator", 12}};
    for (const auto& [ime, vrijednost] : vrijednosti) {
        const QString putanja = KljučIzvoza + QLatin1String(ime);
        if (!okolina.platforma.ZapišiDWORD(putanja, vrijednost))
            dnevnik_.LogirajGrešku(
                Prefiks + QStringLiteral("Nije moguće zapisati vrijednost u registar: ") + putanja);
    }
}

} // namespace velkor
