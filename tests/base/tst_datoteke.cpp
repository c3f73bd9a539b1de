#include "support/RegistarTestova.h"

#include "base/StvarneDatoteke.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;

namespace {

void zapiši(const QString& put, const QByteArray& sadržaj) {
    QFile f(put);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(sadržaj);
}

QByteArray pročitaj(const QString& put) {
    QFile f(put);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void samoZaČitanje(const QString& put) {
    QFile::setPermissions(put, QFileDevice::ReadOwner | QFileDevice::ReadUser);
}

} // namespace

class TestStvarneDatoteke : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> privremena;
    StvarneDatoteke stvarne;
    Datoteke& d = stvarne;
    QString put(const QString& ime) const { return privremena->filePath(ime); }

private slots:
    void init() {
        privremena = std::make_unique<QTemporaryDir>();
        QVERIFY(privremena->isValid());
    }

    void kopirajPrekoPostojece() {
        zapiši(put("a"), "kratko");
        zapiši(put("b"), "mnogo dulji sadržaj");
        QVERIFY(!d.Kopiraj(put("a"), put("b")));
        QCOMPARE(pročitaj(put("b")), QByteArray("kratko"));
        QCOMPARE(d.Kopiraj(put("nema"), put("c"))->broj, 53);
        QVERIFY(!QFile::exists(put("c")));
    }

    void premjesti() {
        zapiši(put("m1"), "x");
        QVERIFY(!d.Premjesti(put("m1"), put("m2")));
        QVERIFY(!QFile::exists(put("m1")));
        QCOMPARE(pročitaj(put("m2")), QByteArray("x"));
        QCOMPARE(d.Premjesti(put("m1"), put("m3"))->broj, 53);
        zapiši(put("m4"), "y");
        QCOMPARE(d.Premjesti(put("m4"), put("m2"))->broj, 58);
        QCOMPARE(pročitaj(put("m2")), QByteArray("x"));
    }

    void obrisiSamoZaCitanje() {
        zapiši(put("ro"), "x");
        samoZaČitanje(put("ro"));
        QCOMPARE(d.Obriši(put("ro"), false)->broj, 70);
        QVERIFY(QFile::exists(put("ro")));
        QVERIFY(!d.Obriši(put("ro"), true));
        QVERIFY(!QFile::exists(put("ro")));
        QCOMPARE(d.Obriši(put("ro"), true)->broj, 53);
        QCOMPARE(d.Obriši(put("nema/x"), true)->broj, 76);
    }

    void obrisiPoUzorku() {
        QDir(privremena->path()).mkdir("u");
        zapiši(put("u/a.7z"), "1");
        zapiši(put("u/b.7z"), "2");
        zapiši(put("u/c.txt"), "3");
        QVERIFY(!d.ObrišiPoUzorku(put("u/*.7z"), true));
        QCOMPARE(QDir(put("u")).entryList(QDir::Files), QStringList{"c.txt"});
        QCOMPARE(d.ObrišiPoUzorku(put("u/*.7z"), true)->broj, 53);
    }

    void direktorije() {
        QCOMPARE(d.NapraviDirektoriju(put("x/y"))->broj, 76);
        QVERIFY(!d.NapraviDirektoriju(put("x")));
        QVERIFY(d.PostojiDirektorija(put("x")));
        QCOMPARE(d.NapraviDirektoriju(put("x"))->broj, 58);
        zapiši(put("x/f"), "1");
        samoZaČitanje(put("x/f"));
        QVERIFY(!d.ObrišiDirektoriju(put("x")));
        QVERIFY(!d.PostojiDirektorija(put("x")));
        QCOMPARE(d.ObrišiDirektoriju(put("x"))->broj, 76);
        QVERIFY(!d.PostojiDirektorija(QString()));
    }

    void zapisiCijeluZamjenjuje() {
        zapiši(put("z"), "stari sadržaj koji je dulji");
        QVERIFY(!d.ZapišiCijelu(put("z"), "novi"));
        QCOMPARE(pročitaj(put("z")), QByteArray("novi"));
        QCOMPARE(QDir(privremena->path()).entryList(QDir::Files), QStringList{"z"});
        QVERIFY(d.ZapišiCijelu(put("nema/z"), "x").has_value());
    }

    void velicinaICitanje() {
        zapiši(put("v"), "12345");
        QCOMPARE(d.Veličina(put("v")).value(), qint64(5));
        Greška g;
        QVERIFY(!d.Veličina(put("w"), &g));
        QCOMPARE(g.broj, 53);
        QCOMPARE(d.Pročitaj(put("v")).value(), QByteArray("12345"));
        QVERIFY(!d.Pročitaj(put("w"), &g));
        QCOMPARE(g.broj, 53);
        QVERIFY(!d.PostojiDatoteka(privremena->path()));
    }
};

VELKOR_TEST(TestStvarneDatoteke)
#include "tst_datoteke.moc"
