#include "PostavaPreuzimanja.h"
#include "ProxySquid.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTcpServer>

using namespace velkor;
using namespace velkor::test;

namespace {

// The system's proxy, as the environment sets it; none when empty.
void PostaviProxy(const QByteArray& adresa) {
    for (const char* ime : {"http_proxy", "https_proxy"})
        qputenv(ime, adresa);
}

} // namespace

// One download by one engine, against the local server that misbehaves as the
// case says; everything it left is compared with the case (acquire/data/).
class TestPreuzimanja : public QObject {
    Q_OBJECT
    std::unique_ptr<ProxySquid> squid;

private slots:
    void preuzimanje_data() { DodajSlučajeve(QFINDTESTDATA("data/preuzimanje.txt")); }

    void preuzimanje() {
        QFETCH(Slučaj, slucaj);
        const QString certifikati = QFileInfo(LokalniPoslužitelj::PutanjaCa()).path() + u'/';
        const QString ca = slucaj.jedno("ca", "ca.pem");
        PostavaPreuzimanja p(ca == "-" ? QString() : certifikati + ca);
        // "ime bajtova": a file on the server; "ime odgovor": what it sends instead.
        for (const QString& o : slucaj.sve("objavi"))
            p.objavi(o.section(u' ', 0, -2), uzorak(o.section(u' ', -1).toInt()));
        for (const QString& o : slucaj.sve("odgovor"))
            p.poslužitelj.odgovori.insert(
                o.section(u' ', 0, 0),
                o.section(u' ', 1)
                    .replace("{P}", QString::number(p.poslužitelj.serverPort()))
                    .toUtf8());
        // "ime bajtova": an earlier copy in Update/.
        for (const QString& o : slucaj.sve("prije"))
            p.zapiši(p.okruženje.update() + o.section(u' ', 0, 0),
                     QByteArray(o.section(u' ', 1).toInt(), 'x'));
        QTcpServer zatvoren; // a port where nobody listens any more
        QVERIFY(zatvoren.listen(QHostAddress::LocalHost));
        const QString domaćin =
            slucaj.jedno("domacin").replace("{Z}", QString::number(zatvoren.serverPort()));
        zatvoren.close();
        if (!domaćin.isEmpty())
            p.postaviPrimarni(domaćin);
        const auto bezProxyja = qScopeGuard([] { PostaviProxy({}); });
        if (slucaj.polja.contains("proxy")) {
            if (!squid) {
                squid = std::make_unique<ProxySquid>();
                QVERIFY2(squid->Pokreni("ana:ta@jna"), qPrintable(squid->greška));
            }
            PostaviProxy(squid->Adresa(slucaj.jedno("proxy")).toUtf8());
        }
        p.stanje.KoristiChilkat = slucaj.jedno("pogon") == "https";
        p.preuzimanje->PostaviIzvor(slucaj.broj("opcija", 2));
        p.stanje.ZadnjaGreška = "od prije";
        p.preuzimanje->PostaviVrijemeZastoja(1000);
        const QString direktorija = p.okruženje.baza() + slucaj.jedno("direktorija", "Update/");

        QStringList z;
        for (const QString& ime : slucaj.sve("ime"))
            z << "rezultat: " + QString::number(p.preuzimanje->DownloadDatoteke(
                                    ime, direktorija, slucaj.jedno("najvise", "-1").toLongLong()));

        z << p.zapisnik();
        if (slucaj.polja.contains("zaglavlja"))
            QCOMPARE(QString::fromLatin1(p.poslužitelj.zahtjevi.value(0).zaglavlja)
                         .replace(p.domaćini.primarni, "{H}"),
                     slucaj.sve("zaglavlja").join("\r\n"));
        // "…" in a case stands for any text of one line the library words as it likes.
        QStringList dijelovi = slucaj.sve("z").join(u'\n').split(u'…');
        for (QString& d : dijelovi)
            d = QRegularExpression::escape(d);
        QVERIFY2(slucaj.polja.contains("z") &&
                     QRegularExpression(QRegularExpression::anchoredPattern(dijelovi.join(".*")))
                         .match(z.join(u'\n'))
                         .hasMatch(),
                 qPrintable("dobiveno:\nz: " + z.join("\nz: ")));
    }
};

VELKOR_TEST(TestPreuzimanja)
#include "tst_preuzimanje.moc"
