#include "acquire/CitacOdgovora.h"
#include "support/RegistarTestova.h"

#include <QTest>

using namespace velkor;

namespace {

struct Pročitano {
    int status = 0;
    QByteArray tijelo;
    bool potpun = false;
    QString greška;
};

// Feeds the response whole or byte by byte, as a socket would hand it on, and
// then ends the connection.
Pročitano pročitaj(const QByteArray& odgovor, bool poBajt) {
    ČitačOdgovora čitač;
    Pročitano r;
    const ČitačOdgovora::Izlaz izlaz = [&r](const char* podaci, qint64 dužina) {
        r.tijelo.append(podaci, dužina);
        return true;
    };
    const qsizetype korak = poBajt ? 1 : qMax<qsizetype>(odgovor.size(), 1);
    bool ispravno = true;
    for (qsizetype i = 0; ispravno && i < odgovor.size(); i += korak) {
        const char* podaci = odgovor.constData() + i;
        qint64 dužina = qMin(korak, odgovor.size() - i);
        while (dužina > 0) {
            const qint64 uzeto = čitač.Primi(podaci, dužina, izlaz);
            if (uzeto == 0)
                qFatal("the reader took nothing");
            if (uzeto < 0) {
                ispravno = false;
                break;
            }
            podaci += uzeto;
            dužina -= uzeto;
        }
    }
    r.status = čitač.Status();
    r.greška = čitač.Greška();
    r.potpun = ispravno && !čitač.Neispravan() && (čitač.Gotov() || čitač.KrajVeze());
    return r;
}

QByteArray zaglavljaDo(qsizetype ukupno) {
    const QByteArray početak = "HTTP/1.1 200 OK\r\nX: ";
    const QByteArray kraj = "\r\nContent-Length: 0\r\n\r\n";
    return početak + QByteArray(ukupno - početak.size() - kraj.size(), 'a') + kraj;
}

} // namespace

class TestCitacaOdgovora : public QObject {
    Q_OBJECT

private slots:
    void odgovor_data() {
        QTest::addColumn<QByteArray>("odgovor");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("tijelo");
        QTest::addColumn<bool>("potpun");
        QTest::addColumn<QString>("greska");
        const QByteArray ok = "HTTP/1.1 200 OK\r\n";
        const QByteArray dijelovi = ok + "Transfer-Encoding: chunked\r\n\r\n";
        auto red = [](const char* ime, const QByteArray& odgovor, int status,
                      const QByteArray& tijelo, bool potpun, const QString& greška = {}) {
            QTest::newRow(ime) << odgovor << status << tijelo << potpun << greška;
        };
        red("duljina", ok + "Content-Length: 5\r\n\r\nabcde", 200, "abcde", true);
        red("višak iza duljine nije tijelo", ok + "Content-Length: 3\r\n\r\nabcXYZ", 200, "abc",
            true);
        red("dijelovi s proširenjem i prikolicom",
            dijelovi + "5;x=y\r\nabcde\r\nA\r\n0123456789\r\n0\r\nX-Kraj: da\r\n\r\n", 200,
            "abcde0123456789", true);
        red("dijelovi, samo LF", "HTTP/1.1 200 OK\nTransfer-Encoding: Chunked\n\n3\nabc\n0\n\n",
            200, "abc", true);
        red("dijelovi prije duljine",
            ok + "Content-Length: 99\r\n" + dijelovi.mid(ok.size()) + "2\r\nab\r\n0\r\n\r\n", 200,
            "ab", true);
        red("do kraja veze", "HTTP/1.0 200 OK\r\n\r\nsve do kraja", 200, "sve do kraja", true);
        red("presavijeno zaglavlje", ok + "Content-Length:\r\n 3\r\n\r\nabc", 200, "abc", true);
        red("100 Continue prije odgovora",
            "HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 2\r\n\r\nok", 200, "ok", true);
        red("204 bez tijela", "HTTP/1.1 204 No Content\r\n\r\n", 204, "", true);
        red("zaglavlja točno 64 KB", zaglavljaDo(64 * 1024), 200, "", true);
        // Cut short: no error of the response, but not complete either.
        red("prekinuta duljina", ok + "Content-Length: 10\r\n\r\nabc", 200, "abc", false);
        red("prekinuti dijelovi usred dijela", dijelovi + "5\r\nabc", 200, "abc", false);
        red("prekinuta zaglavlja", ok + "Content-Le", 200, "", false);
        // Malformed.
        red("status bez koda", "HTTP/1.1 OK\r\n\r\n", 0, "", false,
            "neispravna statusna linija: HTTP/1.1 OK");
        red("HTTP/2", "HTTP/2 200\r\n\r\n", 0, "", false, "neispravna statusna linija: HTTP/2 200");
        red("četiri znamenke", "HTTP/1.1 2000 OK\r\n\r\n", 0, "", false,
            "neispravna statusna linija: HTTP/1.1 2000 OK");
        red("upravljački znak", "HTTP/1.1\t200 OK\r\n\r\n", 0, "", false,
            "neispravna statusna linija: HTTP/1.1?200 OK");
        red("zaglavlje bez dvotočke", ok + "Nesto\r\n\r\n", 200, "", false,
            "neispravno zaglavlje: Nesto");
        red("razmak prije dvotočke", ok + "Content-Length : 5\r\n\r\nabcde", 200, "", false,
            "neispravno zaglavlje: Content-Length : 5");
        red("neispravna duljina", ok + "Content-Length: 5a\r\n\r\nabcde", 200, "", false,
            "neispravna duljina sadržaja: 5a");
        red("dvije duljine", ok + "Content-Length: 5\r\nContent-Length: 6\r\n\r\nabcdef", 200, "",
            false, "neispravna duljina sadržaja: 6");
        red("nepodržano kodiranje", ok + "Transfer-Encoding: gzip, chunked\r\n\r\n", 200, "", false,
            "nepodržano kodiranje prijenosa: gzip, chunked");
        red("neispravna duljina dijela", dijelovi + "zz\r\n", 200, "", false,
            "neispravna duljina dijela: zz");
        red("predugačka duljina dijela", dijelovi + "1000000000000000\r\n", 200, "", false,
            "neispravna duljina dijela: 1000000000000000");
        red("dio dulji od najavljenog", dijelovi + "3\r\nabcd\r\n0\r\n\r\n", 200, "abc", false,
            "dio je dulji od najavljenog");
        red("promjena protokola", "HTTP/1.1 101 Switching Protocols\r\n\r\n", 101, "", false,
            "neočekivana promjena protokola");
        red("zaglavlja 64 KB i bajt", zaglavljaDo(64 * 1024 + 1), 200, "", false,
            "zaglavlja su dulja od 64 KB");
    }

    // Every response reads the same however the bytes are split.
    void odgovor() {
        QFETCH(QByteArray, odgovor);
        QFETCH(int, status);
        QFETCH(QByteArray, tijelo);
        QFETCH(bool, potpun);
        QFETCH(QString, greska);
        for (bool poBajt : {false, true}) {
            const Pročitano r = pročitaj(odgovor, poBajt);
            const QByteArray gdje = poBajt ? "byte by byte" : "whole";
            QVERIFY2(r.status == status, gdje);
            QVERIFY2(r.tijelo == tijelo, gdje + ": " + r.tijelo.left(80));
            QVERIFY2(r.potpun == potpun, gdje);
            QVERIFY2(r.greška == greska, gdje + ": " + r.greška.toUtf8());
        }
    }
};

VELKOR_TEST(TestCitacaOdgovora)
#include "tst_citacodgovora.moc"
