#include "base/Slucajevi.h"
#include "install/DetekcijaPrograma.h"
#include "install/Povrat.h"
#include "install/Registracija.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <unistd.h>
#include <xcb/xcb.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// One row per case of a family in slucajevi.json, its object in column "s".
void dodajSlučajeve(const QString& obitelj) {
    QFile datoteka(QFINDTESTDATA("slucajevi.json"));
    QVERIFY(datoteka.open(QIODevice::ReadOnly));
    QTest::addColumn<QJsonObject>("s");
    for (const QJsonValue s : QJsonDocument::fromJson(datoteka.readAll())[obitelj].toArray())
        QTest::newRow(qPrintable(s["ime"].toString())) << s.toObject();
}

QStringList lista(const QJsonValue& v, const QString& baza = {}) {
    return v.toVariant().toStringList().replaceInStrings("{baza}", baza);
}

// Windows made as other programs make them: their properties by name (a
// number is one 32-bit value, -1 this process's id), "okvir" for one framed by
// a window manager. Destroyed before the next case looks.
class KlijentX {
public:
    KlijentX() : c(xcb_connect(nullptr, nullptr)) {}
    ~KlijentX() {
        for (xcb_window_t p : vrh)
            xcb_destroy_window(c, p);
        uskladi();
        xcb_disconnect(c);
    }
    bool napravi(const QJsonObject& svojstva) {
        xcb_window_t p = prozor(xcb_setup_roots_iterator(xcb_get_setup(c)).data->root);
        vrh << p;
        if (svojstva["okvir"].toBool())
            p = prozor(p);
        for (auto it = svojstva.begin(); it != svojstva.end(); ++it) {
            if (!tipovi.contains(it.key()))
                continue;
            const quint32 broj = it->toInt() < 0 ? getpid() : it->toInt();
            const QByteArray v =
                it->isDouble() ? QByteArray((const char*)&broj, 4) : it->toString().toUtf8();
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, p, atom(it.key()),
                                atom(tipovi.value(it.key())), it->isDouble() ? 32 : 8,
                                it->isDouble() ? 1 : v.size(), v.constData());
        }
        uskladi();
        return !xcb_connection_has_error(c);
    }

private:
    // The server has done all that was asked before anyone looks.
    void uskladi() { free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }
    xcb_window_t prozor(xcb_window_t roditelj) {
        const xcb_window_t p = xcb_generate_id(c);
        xcb_create_window(c, 0, p, roditelj, 0, 0, 9, 9, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(c, p);
        return p;
    }
    xcb_atom_t atom(const QString& ime) {
        auto* o =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, ime.size(), qPrintable(ime)), nullptr);
        const xcb_atom_t a = o ? o->atom : 0;
        free(o);
        return a;
    }

    const QHash<QString, QString> tipovi{{"_NET_WM_NAME", "UTF8_STRING"},
                                         {"WM_NAME", "STRING"},
                                         {"WM_STATE", "WM_STATE"},
                                         {"_NET_WM_PID", "CARDINAL"}};
    xcb_connection_t* c;
    QList<xcb_window_t> vrh;
};

} // namespace

// Detection on an X server of the test's own and with the fake lookup; the
// rollback with the registration tool's stand-in from tools/ (or none) on PATH.
class TestInstalacijskiAlati : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-noreset"});
        QVERIFY2(xvfb.waitForStarted(10000), "Xvfb (tools/pripremi.sh)");
        while (!zaslon.contains('\n') && xvfb.waitForReadyRead(10000))
            zaslon += xvfb.readAllStandardOutput();
        zaslon = ":" + zaslon.trimmed();
    }
    void cleanupTestCase() {
        xvfb.terminate();
        xvfb.waitForFinished();
    }

    void x_data() { dodajSlučajeve("x"); }
    void x() {
        QFETCH(QJsonObject, s);
        qputenv("DISPLAY", zaslon);
        KlijentX klijent;
        for (const QJsonValue p : s["prozori"].toArray())
            QVERIFY(klijent.napravi(p.toObject()));
        qputenv("DISPLAY", s["zaslon"].toBool() ? zaslon : "");
        const auto platforma = NapraviPlatformu();
        QCOMPARE(platforma->JeMinimiziran(platforma->NađiProzor(s["naslov"].toString())),
                 s["minimiziran"].toBool());
        Okruženje o;
        const QString popis = DetekcijaPrograma(*platforma, o.prozor, o.aplikacija().dnevnik())
                                  .NađiPokrenutePrograme();
        QCOMPARE(popis, s["popis"].toString());
    }

    // The boxes are answered from the case: D (Da), N (Ne).
    void dijalog_data() { dodajSlučajeve("dijalog"); }
    void dijalog() {
        QFETCH(QJsonObject, s);
        Okruženje o;
        const QJsonObject otvoreni = s["otvoreni"].toObject();
        for (auto it = otvoreni.begin(); it != otvoreni.end(); ++it)
            o.platforma.prozori.insert(it.key(), it.value().toBool());
        for (QChar z : s["odgovori"].toString())
            o.prozor.odgovori << (z == 'D' ? Odgovor::Da : Odgovor::Ne);
        DetekcijaPrograma d(o.platforma, o.prozor, o.aplikacija().dnevnik());
        QCOMPARE(d.DijalogPokrenutihPrograma(), s["rezultat"].toBool());
        QCOMPARE(Poruke(o.prozor), lista(s["poruke"]));
        QCOMPARE(o.porukeLoga(), lista(s["log"]));
        QCOMPARE(o.platforma.radnjeSProzorima, lista(s["radnje"]));
    }

    // The base directory has a blank in it; copies back may be made to fail.
    void povrat_data() { dodajSlučajeve("povrat"); }
    void povrat() {
        QFETCH(QJsonObject, s);
        Okruženje o;
        QTemporaryDir zapis;
        const QByteArray put = qgetenv("PATH");
        const QString alati = QFileInfo(QFINDTESTDATA("../../tools/RegSvr32.exe")).path();
        qputenv("PATH", QFile::encodeName(s["alat"].toBool() ? alati : zapis.path()));
        qputenv("VELKOR_REGSVR32_ZAPIS", QFile::encodeName(zapis.filePath("z")));
        Stanje& st = o.aplikacija().stanje();
        const QString b = st.PutanjaPrograma = o.baza() + "Velkor software/";
        st.PutanjaUpdateBackup = b + "UpdateBackup/";
        st.PutanjaSkripti = b + "Skripte/";
        st.PutanjaHelp = b + "Help/";
        for (const QString& d : {st.PutanjaUpdateBackup, st.PutanjaSkripti, st.PutanjaHelp})
            QDir().mkpath(d);
        for (const QString& ime : lista(s["backup"]))
            o.zapiši(st.PutanjaUpdateBackup + ime, ime);
        for (const QString& k : lista(s["kvarovi"]))
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Kopiraj, b + k,
                               {70, "Dozvola odbijena"});
        velkor::Registracija registracija(o.platforma, o.aplikacija().dnevnik());

        Povrat(st, o.prozor, o.datoteke, o.aplikacija().dnevnik(), registracija)
            .PokušajVratitiSveNaPočetak();
        qputenv("PATH", put);
        QCOMPARE(o.porukeLoga(), lista(s["log"], b));
        QCOMPARE(Poruke(o.prozor), lista(s["poruke"]));
        QCOMPARE(o.datoteke.pozivi.filter("Kopiraj "), lista(s["kopije"], b));
        // The tool runs on its own, the two calls in either order: awaited, not slept for.
        QTRY_VERIFY_WITH_TIMEOUT(
            lista(s["zapis"], b).contains(QString::fromUtf8(o.pročitaj(zapis.filePath("z")))),
            10000);
    }

private:
    QProcess xvfb;
    QByteArray zaslon;
};

VELKOR_TEST(TestInstalacijskiAlati)
#include "tst_alati.moc"
