#include "install/DetekcijaPrograma.h"
#include "platform/Platforma.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <unistd.h>
#include <xcb/xcb.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// A client of the test's X server that makes windows as other programs would;
// they go away with the connection.
class KlijentX {
public:
    KlijentX() : veza(xcb_connect(nullptr, nullptr)) {}
    // Destroyed before the next case looks, not whenever the server notices the disconnection.
    ~KlijentX() {
        for (xcb_window_t p : prozori)
            xcb_destroy_window(veza, p);
        uskladi();
        xcb_disconnect(veza);
    }
    bool spojen() const { return !xcb_connection_has_error(veza); }

    // vrsta: "net" (_NET_WM_NAME), "wm" (WM_NAME only), "ikona" (iconified),
    // "svoj" (this process's own), "okvir" (framed by a window manager).
    void napravi(const QString& vrsta, const QString& naslov) {
        const xcb_window_t korijen = xcb_setup_roots_iterator(xcb_get_setup(veza)).data->root;
        xcb_window_t p = prozor(korijen);
        prozori << p;
        if (vrsta == "okvir") {
            p = prozor(p);
            stanje(p, 1);
        }
        if (vrsta == "wm")
            svojstvo(p, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, naslov.toLatin1());
        else
            svojstvo(p, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, naslov.toUtf8());
        if (vrsta == "ikona")
            stanje(p, 3);
        if (vrsta == "svoj") {
            const quint32 pid = quint32(getpid());
            svojstvo(p, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, {(const char*)&pid, 4});
        }
        uskladi();
    }

private:
    // A round trip: the server has done all that was asked before anyone looks.
    void uskladi() {
        std::free(xcb_get_input_focus_reply(veza, xcb_get_input_focus(veza), nullptr));
    }
    xcb_window_t prozor(xcb_window_t roditelj) {
        const xcb_window_t p = xcb_generate_id(veza);
        xcb_create_window(veza, XCB_COPY_FROM_PARENT, p, roditelj, 0, 0, 50, 50, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(veza, p);
        return p;
    }
    xcb_atom_t atom(const char* ime) {
        auto* o = xcb_intern_atom_reply(veza, xcb_intern_atom(veza, 0, strlen(ime), ime), nullptr);
        const xcb_atom_t a = o->atom;
        std::free(o);
        return a;
    }
    void svojstvo(xcb_window_t p, xcb_atom_t ime, xcb_atom_t tip, quint8 format,
                  const QByteArray& v) {
        xcb_change_property(veza, XCB_PROP_MODE_REPLACE, p, ime, tip, format,
                            v.size() / (format / 8), v.constData());
    }
    void stanje(xcb_window_t p, quint32 s) {
        const quint32 v[2] = {s, XCB_NONE};
        svojstvo(p, atom("WM_STATE"), atom("WM_STATE"), 32, {(const char*)v, sizeof v});
    }

    xcb_connection_t* veza;
    QList<xcb_window_t> prozori;
};

} // namespace

class TestXProzori : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        stariZaslon = qgetenv("DISPLAY");
        xvfb.setStandardErrorFile(QProcess::nullDevice());
        xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-noreset", "-screen", "0",
                            "320x240x24"});
        QVERIFY2(xvfb.waitForStarted(10000), "Xvfb (tools/pripremi.sh)");
        QByteArray broj;
        while (!broj.contains('\n') && xvfb.waitForReadyRead(10000))
            broj += xvfb.readAllStandardOutput();
        QVERIFY(!broj.trimmed().isEmpty());
        zaslon = ":" + broj.trimmed();
    }

    void cleanupTestCase() {
        xvfb.terminate();
        xvfb.waitForFinished(10000);
        stariZaslon.isEmpty() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", stariZaslon);
    }

    // prozori: "vrsta:naslov"; popis: what the detection lists.
    void nadji_data() {
        QTest::addColumn<QStringList>("prozori");
        QTest::addColumn<bool>("naZaslonu");
        QTest::addColumn<QString>("naslov");
        QTest::addColumn<bool>("minimiziran");
        QTest::addColumn<QString>("popis");
        QTest::newRow("druga velika slova")
            << QStringList{"net:GLAVNA KNJIGA 22"} << true << "Glavna knjiga 22" << false
            << "Glavna knjiga 22\r\n";
        QTest::newRow("UTF-8 i velika slova")
            << QStringList{"net:PLAĆE 22"} << true << "Plaće 22" << false << "Plaće 22\r\n";
        QTest::newRow("samo WM_NAME") << QStringList{"wm:Izvodi 22"} << true << "Izvodi 22" << false
                                      << "Izvodi banaka 22\r\n";
        QTest::newRow("naslov samo počinje popisanim")
            << QStringList{"net:Glavna knjiga 22 - Primjer d.o.o."} << true << "Glavna knjiga 22"
            << false << "";
        QTest::newRow("ikona") << QStringList{"ikona:Blagajna 22"} << true << "Blagajna 22" << true
                               << "Blagajna 22\r\n";
        QTest::newRow("u okviru upravitelja")
            << QStringList{"okvir:Putni nalozi 22"} << true << "Putni nalozi 22" << false
            << "Putni nalozi 22\r\n";
        QTest::newRow("vlastiti prozor se ne broji")
            << QStringList{"svoj:Putni nalozi 22"} << true << "Putni nalozi 22" << false << "";
        QTest::newRow("samo pomoć") << QStringList{"net:Velkor pomoć", "net:Pomoć 22"} << true
                                    << "Velkor pomoć" << false << "Velkor pomoć\r\n";
        QTest::newRow("bez X zaslona")
            << QStringList{"net:Blagajna 22"} << false << "Blagajna 22" << false << "";
    }

    void nadji() {
        QFETCH(QStringList, prozori);
        QFETCH(bool, naZaslonu);
        QFETCH(QString, naslov);
        QFETCH(bool, minimiziran);
        QFETCH(QString, popis);
        qputenv("DISPLAY", zaslon);
        KlijentX x;
        QVERIFY(x.spojen());
        for (const QString& p : prozori)
            x.napravi(p.section(':', 0, 0), p.section(':', 1));
        if (!naZaslonu)
            qunsetenv("DISPLAY");
        const auto platforma = NapraviPlatformu();
        Okruženje o;
        const RučkaProzora ručka = platforma->NađiProzor(naslov);
        QCOMPARE(ručka != 0, !popis.isEmpty());
        QCOMPARE(platforma->JeMinimiziran(ručka), minimiziran);
        QCOMPARE(DetekcijaPrograma(*platforma, o.prozor, o.aplikacija().dnevnik())
                     .NađiPokrenutePrograme(),
                 popis);
    }

private:
    QProcess xvfb;
    QByteArray zaslon, stariZaslon;
};

VELKOR_TEST(TestXProzori)
#include "tst_xprozori.moc"
