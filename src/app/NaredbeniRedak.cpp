#include "app/NaredbeniRedak.h"
#include "app/IzlazniKod.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace velkor {

namespace {

// /programi:cekaj waits a day at most.
constexpr int NajdužeČekanje = 86400;

QString lokacijaSRazdjelnikom(const QString& put) {
    QString lokacija = QDir::toNativeSeparators(QFileInfo(put).absoluteFilePath());
    if (!lokacija.endsWith(QDir::separator()))
        lokacija += QDir::separator();
    return lokacija;
}

struct Prekidač {
    QString ime;
    std::optional<QString> vrijednost;
};

std::optional<Prekidač> razdvoji(const QString& argument) {
    qsizetype početak = 0;
    if (argument.startsWith(QLatin1String("--")))
        početak = 2;
    else if (argument.startsWith(u'/') || argument.startsWith(u'-'))
        početak = 1;
    else
        return std::nullopt;
    const QString tijelo = argument.mid(početak);
    qsizetype znak = tijelo.indexOf(u':');
    const qsizetype jednako = tijelo.indexOf(u'=');
    if (znak < 0 || (jednako >= 0 && jednako < znak))
        znak = jednako;
    if (znak < 0)
        return Prekidač{tijelo.toLower(), std::nullopt};
    return Prekidač{tijelo.left(znak).toLower(), tijelo.mid(znak + 1)};
}

bool postaviOperaciju(NaredbaBezNadzora& n, bool& ima, Operacija o) {
    if (ima)
        return false;
    ima = true;
    n.operacija = o;
    return true;
}

// Reads one switch into n; the error's text, or empty.
QString pročitaj(NaredbaBezNadzora& n, bool& imaOperaciju, const Prekidač& p) {
    const QString v = p.vrijednost.value_or(QString());
    const bool imaVrijednost = p.vrijednost.has_value();
    const QString dvaPuta = QStringLiteral("Operacija je zadana više puta: /") + p.ime;
    if (p.ime == QLatin1String("?") || p.ime == QLatin1String("provjeri") ||
        p.ime == QLatin1String("azuriraj") || p.ime == QLatin1String("tiho")) {
        if (imaVrijednost)
            return QStringLiteral("Prekidač /") + p.ime + QStringLiteral(" nema vrijednosti.");
        if (p.ime == QLatin1String("tiho"))
            return (n.tiho = true), QString();
        const Operacija o = p.ime == QLatin1String("?")          ? Operacija::Pomoc
                            : p.ime == QLatin1String("provjeri") ? Operacija::Provjeri
                                                                 : Operacija::Azuriraj;
        return postaviOperaciju(n, imaOperaciju, o) ? QString() : dvaPuta;
    }
    if (p.ime == QLatin1String("distribuiraj")) {
        if (imaVrijednost && !v.isEmpty())
            n.lokacija = lokacijaSRazdjelnikom(v);
        return postaviOperaciju(n, imaOperaciju, Operacija::Distribuiraj) ? QString() : dvaPuta;
    }
    static const QStringList sVrijednošću{QStringLiteral("izvor"), QStringLiteral("dnevnik"),
                                          QStringLiteral("rezultat"), QStringLiteral("programi")};
    if (!sVrijednošću.contains(p.ime))
        return QStringLiteral("Nepoznat prekidač: /") + p.ime;
    if (!imaVrijednost || v.isEmpty())
        return QStringLiteral("Prekidač /") + p.ime + QStringLiteral(" traži vrijednost.");
    if (p.ime == QLatin1String("izvor")) {
        const QString malo = v.toLower();
        if (malo == QLatin1String("primarni"))
            n.opcija = 2;
        else if (malo == QLatin1String("sekundarni"))
            n.opcija = 0;
        else
            n.opcija = 1, n.mrežnaLokacija = lokacijaSRazdjelnikom(v);
    } else if (p.ime == QLatin1String("dnevnik")) {
        n.dnevnik = v;
    } else if (p.ime == QLatin1String("rezultat")) {
        n.rezultat = v;
    } else {
        const QString malo = v.toLower();
        bool broj = false;
        const int sekundi = malo.section(u':', 1).toInt(&broj);
        if (malo == QLatin1String("odustani"))
            n.čekajSekundi = -1;
        else if (malo.startsWith(QLatin1String("cekaj:")) && broj && sekundi >= 0 &&
                 sekundi <= NajdužeČekanje)
            n.čekajSekundi = sekundi;
        else
            return QStringLiteral("Neispravna vrijednost prekidača /programi: ") + v;
    }
    return {};
}

} // namespace

NaredbaBezNadzora PročitajNaredbu(const QStringList& argumenti, QString& greška) {
    NaredbaBezNadzora n;
    bool imaOperaciju = false;
    QHash<QString, int> viđeni;
    greška.clear();
    for (const QString& argument : argumenti) {
        const std::optional<Prekidač> p = razdvoji(argument);
        if (!p) {
            greška = QStringLiteral("Nije prekidač: ") + argument;
            return n;
        }
        if (viđeni[p->ime]++ > 0) {
            greška = QStringLiteral("Prekidač je zadan više puta: /") + p->ime;
            return n;
        }
        greška = pročitaj(n, imaOperaciju, *p);
        if (!greška.isEmpty())
            return n;
    }
    if (!imaOperaciju)
        greška = QStringLiteral("Nije zadana operacija: /provjeri, /azuriraj ili /distribuiraj.");
    else if (n.čekajSekundi >= 0 || viđeni.contains(QStringLiteral("programi")))
        if (n.operacija != Operacija::Azuriraj)
            greška = QStringLiteral("Prekidač /programi ide samo uz /azuriraj.");
    return n;
}

QString TekstPomoći() {
    QString tekst = QStringLiteral(
        "VelkorZideZizodu22: ažuriranje Velkor programa bez prozora.\n"
        "\n"
        "VelkorZideZizodu22 /provjeri               [zajedničko]  samo provjera, ništa se ne "
        "mijenja\n"
        "VelkorZideZizodu22 /azuriraj               [zajedničko] "
        "[/programi:odustani|cekaj:SEKUNDI]\n"
        "VelkorZideZizodu22 /distribuiraj[:MJESTO]  [zajedničko]  punjenje lokacije za "
        "distribuciju\n"
        "VelkorZideZizodu22 /?                      ova pomoć\n"
        "\n"
        "zajedničko:\n"
        "  /izvor:primarni|sekundarni|MJESTO  izvor ažuriranja (inače spremljeni)\n"
        "  /dnevnik:DATOTEKA                  ispisane retke i dodati u tu datoteku\n"
        "  /rezultat:DATOTEKA.json            ishod zapisati kao JSON\n"
        "  /tiho                              ništa ne ispisivati\n"
        "  /programi:odustani                 pokrenuti Velkor programi: odustati (zadano)\n"
        "  /programi:cekaj:SEKUNDI            provjeravati svakih 5 s, najdulje SEKUNDI\n"
        "Prekidači se pišu s /, - ili --, velikim ili malim slovima; vrijednost iza : ili =.\n"
        "Ništa zadano ovdje se ne sprema u postavke.\n"
        "\n"
        "Izlazni kodovi:\n");
    for (const auto& [kod, značenje] : IzlazniKodovi())
        tekst += QStringLiteral("  %1%2\n").arg(kod, -6).arg(značenje);
    return tekst;
}

} // namespace velkor
