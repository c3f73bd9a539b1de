#include "platform/KodnaStranica.h"
#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "catalogue/TablicneDatoteke.h"

using namespace velkor;
using namespace velkor::test;

class TestMatrica : public QObject {
    Q_OBJECT

private slots:
    void tablica_data() { DodajSlučajeve(QFINDTESTDATA("data/matrica.txt")); }

    void tablica() {
        QFETCH(Slučaj, slucaj);
        Instalacija o;
        const QString put = o.update() + QStringLiteral("Verzije.txt");
        QStringList redovi = slucaj.sve("red");
        QString ulaz = slucaj.jedno("ulaz");
        for (int n = 0; n < slucaj.broj("zapisa"); ++n) {
            ulaz += QStringLiteral("P%1.exe;22;1;%1;100;200;\r\n").arg(n);
            if (n < Matrica::Redaka)
                redovi << QStringLiteral("P%1.exe;22;1;%1;100;200").arg(n);
        }
        // "do: n": blanks after the records up to n bytes, a list grown beyond its size.
        ulaz += QString(qMax(0, slucaj.broj("do") - int(UAnsi(ulaz).size())), u' ');
        if (slucaj.polja.contains("ulaz") || slucaj.polja.contains("zapisa"))
            o.zapiši(put, ulaz);
        const bool upis = slucaj.polja.contains("ćelija");
        if (const QString k = slucaj.jedno("kvar"); !k.isEmpty())
            o.datoteke.Pokvari(upis ? NeispravneDatoteke::Operacija::ZapisiCijelu
                                    : NeispravneDatoteke::Operacija::Procitaj,
                               put,
                               {k.section(' ', 0, 0).toInt(), k.section(' ', 2),
                                k.section(' ', 1, 1) == "otvaranje" ? Greška::Korak::Otvaranje
                                                                    : Greška::Korak::Pisanje});
        Matrica m;
        if (!upis) // leftovers that a read must clear
            for (auto& red : m.ćelije)
                red.fill(QStringLiteral("staro"));
        for (const QString& ć : slucaj.sve("ćelija"))
            m(ć.section(' ', 0, 0).toInt(), ć.section(' ', 1, 1).toInt()) = ć.section(' ', 2);
        o.stanje.ZadnjaGreška = QStringLiteral("prije");
        TablicneDatoteke t(o.datoteke, o.prozor, o.dnevnik, o.stanje);
        const QStringList greška = slucaj.sve("greška") + slucaj.sve("poruka");

        QCOMPARE(upis ? t.ZapišiMatricu(m, put) : t.UčitajMatricu(m, put), greška.isEmpty());

        if (upis)
            QCOMPARE(o.pročitaj(put), UAnsi(slucaj.jedno("datoteka")));
        for (int red = 0; !upis && red < Matrica::Redaka; ++red) {
            QStringList ćelije;
            for (int stupac = 0; stupac < Matrica::Stupaca; ++stupac)
                ćelije << m.tekst(red, stupac);
            QCOMPARE(ćelije.join(';'), redovi.value(red, ";;;;0;0") + ";0");
        }
        const auto z = [&](QStringList l) { return l.replaceInStrings("{PUT}", put); };
        QCOMPARE(o.stanje.ZadnjaGreška, z(slucaj.sve("greška")).value(0, "prije"));
        QCOMPARE(o.porukeLoga(), z(slucaj.sve("log")));
        QCOMPARE(Poruke(o.prozor), z(slucaj.sve("poruka")));
    }
};

VELKOR_TEST(TestMatrica)
#include "tst_matrica.moc"
