#include "base/DatotekaPokrajCilja.h"
#include "base/StvarneDatoteke.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QDir>

using namespace velkor;
using namespace velkor::test;

class TestStvarneDatoteke : public QObject {
    Q_OBJECT

    StvarneDatoteke d;

    // One step in the directory; its result as the case file writes it.
    QString izvedi(const QDir& dir, const QStringList& a) {
        const auto put = [&](int i) { return a[i] == "-" ? QString() : dir.filePath(a[i]); };
        const auto broj = [](const Rezultat& i) {
            return QString::number(i ? 0 : i.greška().broj);
        };
        const auto daNe = [](bool b) { return QString(b ? "da" : "ne"); };
        const QString& op = a[0];
        QFile f(put(1));
        Greška g;
        if (op == "datoteka")
            return f.open(QIODevice::WriteOnly) && f.write(a.mid(2).join(' ').toUtf8()) >= 0
                       ? QString()
                       : "nije zapisana";
        else if (op == "samoCitanje")
            return f.setPermissions(QFileDevice::ReadOwner) ? QString() : "bez dozvola";
        else if (op == "sadrzaj")
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : "-";
        else if (op == "popis")
            return QDir(put(1)).entryList(QDir::Files).join(' ');
        else if (op == "Kopiraj" || op == "Premjesti")
            return broj(op == "Kopiraj" ? d.Kopiraj(put(1), put(2)) : d.Premjesti(put(1), put(2)));
        // Replaced by a rename: the old file's reader reads it whole.
        else if (op == "KopirajDokCita") {
            QFile čitač(put(2));
            čitač.open(QIODevice::ReadOnly);
            return broj(d.Kopiraj(put(1), put(2))) + ' ' + QString::fromUtf8(čitač.readAll());
        } else if (op == "Obrisi")
            return broj(d.Obriši(put(1), a.value(2) == "prisilno"));
        else if (op == "ObrisiPoUzorku")
            return broj(d.ObrišiPoUzorku(put(1), a.value(2) == "prisilno"));
        else if (op == "NapraviDirektoriju" || op == "ObrisiDirektoriju")
            return broj(op[0] == 'N' ? d.NapraviDirektoriju(put(1)) : d.ObrišiDirektoriju(put(1)));
        // Killed while it writes beside n: the next start removes what it left.
        else if (op == "PrekinutoPisanje") {
            DatotekaPokrajCilja pisanje(put(1));
            if (!pisanje.Otvori() || !pisanje.Piši("nedovrš", 7))
                return "nije otvorena";
            ObrišiNedovršene(d, dir.path() + '/');
            return dir.entryList(QDir::Files).join(' ');
        } else if (op == "ZapisiCijelu")
            return broj(d.ZapišiCijelu(put(1), a[2].toUtf8()));
        else if (op == "PostojiDatoteka" || op == "PostojiDirektorija")
            return daNe(op.endsWith("Datoteka") ? d.PostojiDatoteka(put(1))
                                                : d.PostojiDirektorija(put(1)));
        else if (op == "Velicina") {
            const auto v = d.Veličina(put(1), &g);
            return v ? QString::number(*v) : '#' + QString::number(g.broj);
        } else if (op == "Procitaj") {
            const auto v = d.Pročitaj(put(1), &g);
            return v ? QString::fromUtf8(*v) : '#' + QString::number(g.broj);
        }
        return "nepoznat korak " + op;
    }

private slots:
    void koraci_data() { DodajSlučajeve(QFINDTESTDATA("data/datoteke.txt")); }

    void koraci() {
        QFETCH(Slučaj, slucaj);
        QTemporaryDir privremena;
        for (const QString& korak : slucaj.sve("korak")) {
            const QString rezultat =
                izvedi(QDir(privremena.path()), korak.section(" = ", 0, 0).split(' '));
            QVERIFY2(rezultat == korak.section(" = ", 1), qPrintable(korak + " -> " + rezultat));
        }
    }
};

VELKOR_TEST(TestStvarneDatoteke)
#include "tst_datoteke.moc"
