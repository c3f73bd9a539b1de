#include "acquire/CitacOdgovora.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace velkor {

namespace {

// A chunk's size line, extensions included.
constexpr qint64 NajvišeLinijeDijela = 4096;

bool znamenka(char z) {
    return z >= '0' && z <= '9';
}

bool heksZnamenka(char z) {
    return znamenka(z) || (z >= 'a' && z <= 'f') || (z >= 'A' && z <= 'F');
}

bool samo(const QByteArray& tekst, bool (*znak)(char)) {
    return !tekst.isEmpty() && std::all_of(tekst.begin(), tekst.end(), znak);
}

// A piece of what the server sent, fit for a message.
QString ispis(const QByteArray& bajtovi) {
    QByteArray dio = bajtovi.left(40);
    for (char& z : dio)
        if (uchar(z) < 0x20 || uchar(z) > 0x7e)
            z = '?';
    return QString::fromLatin1(dio);
}

} // namespace

qint64 ČitačOdgovora::Primi(const char* podaci, qint64 dužina, const Izlaz& izlaz) {
    qint64 uzeto = 0;
    while (uzeto < dužina) {
        const char* ovdje = podaci + uzeto;
        const qint64 ostalo = dužina - uzeto;
        qint64 tijelo = ostalo;
        switch (faza) {
        case Faza::Zaglavlja: {
            const qint64 k = linijaZaglavlja(ovdje, ostalo);
            if (k < 0)
                return -1;
            uzeto += k;
            if (zaglavljaStigla)
                return uzeto;
            continue;
        }
        case Faza::VelicinaDijela:
        case Faza::KrajDijela:
        case Faza::Prikolica: {
            const qint64 k = linijaDijela(ovdje, ostalo);
            if (k < 0)
                return -1;
            uzeto += k;
            continue;
        }
        case Faza::Tijelo:
        case Faza::PodaciDijela:
            tijelo = qMin(ostalo, preostalo);
            break;
        case Faza::DoZatvaranja:
            break;
        case Faza::Kraj:
            // Whatever follows a complete response is not ours.
            return dužina;
        case Faza::Neispravno:
            return -1;
        }
        if (!izlaz(ovdje, tijelo)) {
            faza = Faza::Neispravno;
            return -1;
        }
        primljeno += tijelo;
        uzeto += tijelo;
        if (faza != Faza::DoZatvaranja && (preostalo -= tijelo) == 0)
            faza = faza == Faza::Tijelo ? Faza::Kraj : Faza::KrajDijela;
    }
    return uzeto;
}

bool ČitačOdgovora::KrajVeze() {
    if (faza == Faza::DoZatvaranja)
        faza = Faza::Kraj;
    return faza == Faza::Kraj;
}

QByteArray ČitačOdgovora::Zaglavlje(const QByteArray& ime) const {
    for (const auto& [ključ, vrijednost] : zaglavlja)
        if (ključ == ime)
            return vrijednost;
    return {};
}

// Appends up to the end of a line; the line complete lies in `linija` without its CR LF.
qint64 ČitačOdgovora::dodajLiniji(const char* podaci, qint64 dužina, qint64 najviše, bool& cijela) {
    const auto* kraj = static_cast<const char*>(std::memchr(podaci, '\n', size_t(dužina)));
    const qint64 uzeto = kraj ? kraj - podaci + 1 : dužina;
    if (uzeto > najviše)
        return -1;
    linija.append(podaci, uzeto);
    cijela = kraj != nullptr;
    if (cijela) {
        linija.chop(1);
        if (linija.endsWith('\r'))
            linija.chop(1);
    }
    return uzeto;
}

qint64 ČitačOdgovora::linijaZaglavlja(const char* podaci, qint64 dužina) {
    bool cijela = false;
    const qint64 uzeto = dodajLiniji(podaci, dužina, NajvišeZaglavlja - zaglavljaUkupno, cijela);
    if (uzeto < 0) {
        neispravno(QStringLiteral("zaglavlja su dulja od 64 KB"));
        return -1;
    }
    zaglavljaUkupno += uzeto;
    if (cijela && !obradiLinijuZaglavlja(std::exchange(linija, {})))
        return -1;
    return uzeto;
}

bool ČitačOdgovora::obradiLinijuZaglavlja(const QByteArray& l) {
    if (!statusPročitan)
        return l.isEmpty() || statusnaLinija(l); // blank lines before it are tolerated
    if (l.isEmpty()) {
        if (status >= 200) {
            zaglavljaStigla = true;
            odrediTijelo();
            return true;
        }
        if (status == 101)
            return neispravno(QStringLiteral("neočekivana promjena protokola"));
        // An interim response: the real one follows.
        statusPročitan = false;
        zaglavlja.clear();
        return true;
    }
    if (l[0] == ' ' || l[0] == '\t') {
        // A folded line continues the header before it.
        if (zaglavlja.isEmpty())
            return neispravno(QStringLiteral("neispravno zaglavlje: ") + ispis(l));
        zaglavlja.last().second += ' ' + l.trimmed();
        return true;
    }
    const qsizetype dvotočka = l.indexOf(':');
    const QByteArray ime = l.left(qMax(dvotočka, 0));
    if (ime.isEmpty() || ime.contains(' ') || ime.contains('\t'))
        return neispravno(QStringLiteral("neispravno zaglavlje: ") + ispis(l));
    zaglavlja.append({ime.toLower(), l.mid(dvotočka + 1).trimmed()});
    return true;
}

// "HTTP/1.1 200 OK": the version, three digits, and a reason that may be empty.
bool ČitačOdgovora::statusnaLinija(const QByteArray& l) {
    const bool ispravna = l.size() >= 12 && l.startsWith("HTTP/1.") && znamenka(l[7]) &&
                          l[8] == ' ' && samo(l.mid(9, 3), znamenka) &&
                          (l.size() == 12 || l[12] == ' ') && l[9] != '0';
    if (!ispravna)
        return neispravno(QStringLiteral("neispravna statusna linija: ") + ispis(l));
    statusPročitan = true;
    status = l.mid(9, 3).toInt();
    razlog = l.mid(13).trimmed();
    return true;
}

void ČitačOdgovora::odrediTijelo() {
    if (status == 204 || status == 304) {
        faza = Faza::Kraj;
        return;
    }
    QByteArrayList kodiranja, dužine;
    for (const auto& [ime, vrijednost] : zaglavlja) {
        if (ime == "transfer-encoding") {
            for (const QByteArray& k : vrijednost.split(','))
                if (!k.trimmed().isEmpty())
                    kodiranja << k.trimmed().toLower();
        } else if (ime == "content-length") {
            for (const QByteArray& d : vrijednost.split(','))
                dužine << d.trimmed();
        }
    }
    if (!kodiranja.isEmpty()) {
        // The length header does not count when the body comes in chunks.
        if (kodiranja != QByteArrayList{"chunked"})
            neispravno(QStringLiteral("nepodržano kodiranje prijenosa: ") +
                       ispis(kodiranja.join(", ")));
        else
            faza = Faza::VelicinaDijela;
        return;
    }
    if (dužine.isEmpty()) {
        faza = Faza::DoZatvaranja;
        return;
    }
    for (const QByteArray& d : dužine)
        if (d != dužine.first() || d.size() > 18 || !samo(d, znamenka)) {
            neispravno(QStringLiteral("neispravna duljina sadržaja: ") + ispis(d));
            return;
        }
    najavljeno = preostalo = dužine.first().toLongLong();
    faza = najavljeno == 0 ? Faza::Kraj : Faza::Tijelo;
}

qint64 ČitačOdgovora::linijaDijela(const char* podaci, qint64 dužina) {
    const bool prikolica = faza == Faza::Prikolica;
    const qint64 najviše =
        prikolica ? NajvišeZaglavlja - zaglavljaUkupno : NajvišeLinijeDijela - linija.size();
    bool cijela = false;
    const qint64 uzeto = dodajLiniji(podaci, dužina, najviše, cijela);
    if (uzeto < 0) {
        neispravno(prikolica ? QStringLiteral("zaglavlja su dulja od 64 KB")
                             : QStringLiteral("predugačka linija dijela"));
        return -1;
    }
    if (prikolica)
        zaglavljaUkupno += uzeto;
    if (!cijela)
        return uzeto;
    const QByteArray l = std::exchange(linija, {});
    if (faza == Faza::VelicinaDijela) {
        // The size in hexadecimal digits; extensions after ';' mean nothing to us.
        const qsizetype točkaZarez = l.indexOf(';');
        const QByteArray heks = (točkaZarez < 0 ? l : l.left(točkaZarez)).trimmed();
        if (heks.size() > 15 || !samo(heks, heksZnamenka)) {
            neispravno(QStringLiteral("neispravna duljina dijela: ") + ispis(l));
            return -1;
        }
        preostalo = heks.toLongLong(nullptr, 16);
        faza = preostalo == 0 ? Faza::Prikolica : Faza::PodaciDijela;
    } else if (faza == Faza::KrajDijela) {
        if (!l.isEmpty()) {
            neispravno(QStringLiteral("dio je dulji od najavljenog"));
            return -1;
        }
        faza = Faza::VelicinaDijela;
    } else if (l.isEmpty()) {
        faza = Faza::Kraj;
    }
    return uzeto;
}

bool ČitačOdgovora::neispravno(const QString& zašto) {
    faza = Faza::Neispravno;
    greška = zašto;
    return false;
}

} // namespace velkor
