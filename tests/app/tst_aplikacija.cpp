// The program's own answers on the recording window: start-up and its working
// directories, the settings, an operation in progress and the transfer time.
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QDir>
#include <QSettings>

using namespace velkor;
using namespace velkor::test;

class TestAplikacije : public QObject {
    Q_OBJECT

private slots:
    // At most 255 characters; empty when unknown.
    void imena() {
        Okruženje o;
        RadneDirektorije& r = o.aplikacija().radneDirektorije();
        o.platforma.imeRačunala = QString(300, QLatin1Char('A'));
        QCOMPARE(r.ImeRačunala(), QString(255, QLatin1Char('A')));
        o.platforma.imeRačunala.reset();
        o.platforma.imeKorisnika.reset();
        QCOMPARE(r.ImeRačunala() + r.ImeKorisnika(), QString());
    }

    // The window first, then the probe's warning, then the check; a probe left
    // behind, read-only, goes. The operator's name ends at a NUL, in capitals.
    void start_data() { DodajSlučajeve(QFINDTESTDATA("data/pokretanje.txt")); }

    void start() {
        QFETCH(Slučaj, slucaj);
        Okruženje o;
        o.platforma.imeKorisnika = QStringLiteral("marko") + QChar(0) + QStringLiteral("smeće");
        o.spremiPostavku("Settings", "BojaIntegratora", "255");
        QDir(o.baza()).mkpath(QStringLiteral("UpdateADM/pod"));
        o.zapiši(o.baza() + "UpdateADM/a.txt", QStringLiteral("a"));
        QFile::setPermissions(o.baza() + "UpdateADM/a.txt", QFileDevice::ReadOwner);
        if (slucaj.jedno("prava") == "ne")
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju,
                               o.baza() + "UpdateADM", {70, QStringLiteral("Dozvola odbijena")});
        QStringList prije;
        o.aplikacija().pokretanje().Form_Load([&] {
            prije = Poruke(o.prozor) << o.prozor.naslov << QString::number(o.prozor.boja)
                                     << QString::number(o.prozor.kartica);
            return true;
        });
        QCOMPARE(prije, slucaj.sve("prije"));
        QVERIFY(!QFileInfo::exists(o.baza() + "UpdateADM"));
        o.aplikacija().Form_Activate();
        QCOMPARE(o.prozor.završetaka, 0);
    }

    void postavke_data() { DodajSlučajeve(QFINDTESTDATA("data/postavke.txt")); }

    void postavke() {
        QFETCH(Slučaj, slucaj);
        const QString update = slucaj.jedno("update");
        Okruženje o(update.isEmpty());
        if (update.isEmpty())
            o.zapiši(o.update() + "stari.7z", "x");
        if (update == "kvar")
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju, o.update(),
                               {70, QStringLiteral("Dozvola odbijena")});
        o.platforma.imeRačunala = slucaj.jedno("racunalo", "RACUNALO");
        for (const QString& s : Zamijeni(slucaj.sve("spremi"), o))
            o.spremiPostavku(s.section('/', 0, 0), s.section('=', 0, 0).section('/', 1),
                             s.section('=', 1));
        for (const QString& s : slucaj.sve("okolina"))
            o.platforma.okolina.insert(s.section('=', 0, 0), s.section('=', 1));
        const QStringList prije = Zamijeni({slucaj.jedno("prije", "2|||0")}, o)[0].split('|');
        o.prozor.opcija = prije[0].toInt();
        o.prozor.lokacije = {prije[1], prije[2]};
        o.prozor.vrijemeDownloada = prije[3].toInt();
        o.prozor.izabraneDatoteke.append(slucaj.sve("izbor"));

        Aplikacija& a = o.aplikacija();
        const int indeks = slucaj.jedno("radnja").section(' ', 1).toInt();
        // No action: what making the program alone does.
        const QMap<QString, std::function<void()>> radnje{
            {"", [] {}},
            {"UčitajPostavke", [&] { a.postavke().UčitajPostavke(); }},
            {"numVrijemeDownloada_Change", [&] { a.numVrijemeDownloada_Change(); }},
            {"optLokacija_Click", [&] { a.optLokacija_Click(indeks); }},
            {"cmdLokacija_Click", [&] { a.cmdLokacija_Click(indeks); }},
            {"txtLokacija_Validate", [&] { a.txtLokacija_Validate(indeks); }},
            {"PostaviRadneDirektorije", [&] {
                 QCOMPARE(a.radneDirektorije().PostaviRadneDirektorije(),
                          !slucaj.polja.contains("poruka"));
             }}};
        radnje[slucaj.jedno("radnja").section(' ', 0, 0)]();

        const QStringList poslije{QString::number(o.prozor.opcija), o.prozor.lokacije[0],
                                  o.prozor.lokacije[1], QString::number(o.prozor.vrijemeDownloada),
                                  a.stanje().KoristiChilkat ? "da" : "ne"};
        QCOMPARE(poslije.join('|'),
                 Zamijeni({slucaj.jedno("poslije", prije.join('|') + "|da")}, o)[0]);
        QSettings ini(o.putanjaPostavki(), QSettings::IniFormat);
        QStringList spremljeno;
        for (const QString& ključ : ini.allKeys())
            spremljeno << ključ + '=' + ini.value(ključ).toString();
        QCOMPARE(spremljeno, Zamijeni(slucaj.sve("spremljeno"), o));
        QCOMPARE(Poruke(o.prozor), slucaj.sve("poruka"));
        QCOMPARE(QString::number(a.postavke().BojaIntegratora()), slucaj.jedno("boja", "14277323"));
        QStringList dijalozi;
        for (const DijalogDatoteke& d : o.prozor.dijalozi)
            dijalozi << d.naslov + '|' + d.imeDatoteke + '|' + d.zadanaEkstenzija + '|' +
                            d.početnaDirektorija + '|' + d.filter;
        QCOMPARE(dijalozi, slucaj.sve("dijalog"));
        if (slucaj.polja.contains("natpis"))
            QCOMPARE(QStringList(o.prozor.natpisi.begin(), o.prozor.natpisi.end()),
                     slucaj.sve("natpis"));
        const Stanje& s = a.stanje();
        if (slucaj.polja.contains("direktorije"))
            QCOMPARE(QStringList({s.PutanjaPrograma, s.PutanjaUpdate, s.PutanjaUpdateBackup,
                                  s.PutanjaSkripti, s.PutanjaHelp})
                         .join('|'),
                     QDir::toNativeSeparators(Zamijeni(slucaj.sve("direktorije"), o)[0]));
        QCOMPARE(QFile::exists(o.update() + "stari.7z"), update.isEmpty());
        QCOMPARE(QDir(o.update()).exists(), update != "kvar");
        QVERIFY(!QFile::exists(o.putanjaLoga()));
    }

    // One operation at a time: a second start and the check are ignored
    // meanwhile; the exit or the close asked for meanwhile comes after it.
    void uTijeku_data() { DodajSlučajeve(QFINDTESTDATA("data/operacija.txt")); }

    void uTijeku() {
        QFETCH(Slučaj, slucaj);
        const bool izlaz = slucaj.jedno("zahtjev") == "izlaz";
        Okruženje o;
        Aplikacija& a = o.aplikacija();
        const auto krajevi = [&] {
            return QString("%1 %2").arg(o.prozor.završetaka).arg(o.prozor.zatvaranja);
        };
        int pokrenuto = 0;
        bool drugaPokrenuta = true, zatvaranjeOdbijeno = false;
        QString uTijeku;
        QVERIFY(a.IzvediOperaciju([&] {
            ++pokrenuto;
            drugaPokrenuta = a.IzvediOperaciju([&] { return ++pokrenuto > 0; });
            a.cmdVerzija_Click();
            izlaz ? a.cmdIzlaz_Click() : void(zatvaranjeOdbijeno = !a.Form_Unload());
            uTijeku = krajevi();
            return true;
        }));
        QVERIFY(!drugaPokrenuta);
        QCOMPARE(pokrenuto, 1);
        QCOMPARE(o.prozor.zaključavanja, (QList<bool>{true, false}));
        QVERIFY(o.prozor.poruke.isEmpty());
        QCOMPARE(uTijeku, "0 0");
        QCOMPARE(zatvaranjeOdbijeno, !izlaz);
        QCOMPARE(krajevi(), slucaj.jedno("poslije"));
        // The exit writes no log line; the close asked again ends with the end line.
        if (izlaz)
            a.cmdIzlaz_Click();
        else
            QVERIFY(a.Form_Unload());
        QCOMPARE(krajevi(), slucaj.jedno("ponovo"));
        QCOMPARE(o.porukeLoga(), slucaj.sve("dnevnik"));
    }

    // Seconds since the start, across midnight, as "#.00": two decimals, no zero
    // before the separator, the user's decimal sign, no grouping.
    void prekoPonoci() {
        Okruženje o;
        const auto u = [&](int h, int m, int s, int ms) {
            o.sat.sada = QDateTime(QDate(2026, 12, h == 23 ? 5 : 6), QTime(h, m, s, ms));
            o.aplikacija().tmrPrijenos_Timer();
            return o.prozor.vrijemePrijenosa;
        };
        o.sat.sada = QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59, 750));
        o.aplikacija().PokreniVrijemePrijenosa();
        QVERIFY(o.prozor.tmrPrijenos);
        QCOMPARE(o.prozor.vrijemePrijenosa, QString());
        QCOMPARE(u(23, 59, 59, 750), QStringLiteral("Vrijeme prijenosa: ,00 s"));
        QCOMPARE(u(0, 0, 0, 0), QStringLiteral("Vrijeme prijenosa: ,25 s"));
        QCOMPARE(u(0, 0, 20, 0), QStringLiteral("Vrijeme prijenosa: 20,25 s"));
        o.regionalno.decimalni = QLatin1Char('.');
        QCOMPARE(u(1, 0, 0, 0), QStringLiteral("Vrijeme prijenosa: 3600.25 s"));
        o.aplikacija().ZaustaviVrijemePrijenosa();
        QVERIFY(!o.prozor.tmrPrijenos);
        QCOMPARE(o.prozor.vrijemePrijenosa, QStringLiteral("Vrijeme prijenosa: 3600.25 s"));
    }
};

VELKOR_TEST(TestAplikacije)
#include "tst_aplikacija.moc"
