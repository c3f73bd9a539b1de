#include "platform/posix/PosixProzori.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace velkor::posix {

namespace {

constexpr quint32 IconicState = 3;
// Properties are read up to 4 KiB: no title of the suite comes near it.
constexpr quint32 NajvišeRiječi = 1024;

template <typename T> using Odgovor = std::unique_ptr<T, decltype(&std::free)>;

struct Svojstvo {
    xcb_atom_t tip = XCB_NONE;
    quint8 format = 0;
    QByteArray bajtovi;

    // The first 32-bit value, when the property holds one.
    std::optional<quint32> broj() const {
        if (format != 32 || bajtovi.size() < 4)
            return std::nullopt;
        return qFromUnaligned<quint32>(bajtovi.constData());
    }
};

// One connection for one question. Every kind of request is sent for all
// windows at once and the answers collected after, so a lookup costs a few
// round trips however many windows there are.
class VezaX {
public:
    VezaX() {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return;
        veza = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(veza)) {
            xcb_disconnect(veza);
            veza = nullptr;
        }
    }
    ~VezaX() {
        if (veza)
            xcb_disconnect(veza);
    }
    VezaX(const VezaX&) = delete;
    VezaX& operator=(const VezaX&) = delete;

    explicit operator bool() const { return veza != nullptr; }

    xcb_atom_t atom(const char* ime) {
        const auto kolačić = xcb_intern_atom(veza, 1, quint16(qstrlen(ime)), ime);
        Odgovor<xcb_intern_atom_reply_t> o(xcb_intern_atom_reply(veza, kolačić, nullptr),
                                           &std::free);
        return o ? o->atom : xcb_atom_t(XCB_NONE);
    }

    QList<xcb_window_t> korijeni() {
        QList<xcb_window_t> k;
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(veza)); it.rem; xcb_screen_next(&it))
            k << it.data->root;
        return k;
    }

    QList<Svojstvo> svojstva(const QList<xcb_window_t>& prozori, xcb_atom_t ime) {
        // An atom nobody has made yet is on no window.
        if (ime == XCB_NONE)
            return QList<Svojstvo>(prozori.size());
        std::vector<xcb_get_property_cookie_t> kolačići;
        for (xcb_window_t p : prozori)
            kolačići.push_back(
                xcb_get_property(veza, 0, p, ime, XCB_GET_PROPERTY_TYPE_ANY, 0, NajvišeRiječi));
        QList<Svojstvo> s;
        for (const auto& kolačić : kolačići) {
            Odgovor<xcb_get_property_reply_t> o(xcb_get_property_reply(veza, kolačić, nullptr),
                                                &std::free);
            Svojstvo svojstvo;
            if (o && o->type != XCB_NONE)
                svojstvo = {o->type, o->format,
                            QByteArray(static_cast<const char*>(xcb_get_property_value(o.get())),
                                       xcb_get_property_value_length(o.get()))};
            s << svojstvo;
        }
        return s;
    }

    // Children of each window, from the bottom of the stacking order up.
    QList<QList<xcb_window_t>> djeca(const QList<xcb_window_t>& prozori) {
        std::vector<xcb_query_tree_cookie_t> kolačići;
        for (xcb_window_t p : prozori)
            kolačići.push_back(xcb_query_tree(veza, p));
        QList<QList<xcb_window_t>> d;
        for (const auto& kolačić : kolačići) {
            Odgovor<xcb_query_tree_reply_t> o(xcb_query_tree_reply(veza, kolačić, nullptr),
                                              &std::free);
            QList<xcb_window_t> lista;
            if (o) {
                const xcb_window_t* p = xcb_query_tree_children(o.get());
                lista = QList<xcb_window_t>(p, p + xcb_query_tree_children_length(o.get()));
            }
            d << lista;
        }
        return d;
    }

private:
    xcb_connection_t* veza = nullptr;
};

// Whether each window carries the window manager's WM_STATE.
QList<bool> imajuStanje(VezaX& x, const QList<xcb_window_t>& prozori, xcb_atom_t wmState) {
    QList<bool> ima;
    for (const Svojstvo& s : x.svojstva(prozori, wmState))
        ima << (s.tip != XCB_NONE);
    return ima;
}

// The programs' own windows, topmost first. A child of the root that carries
// WM_STATE is one; otherwise a window manager has framed it, and the framed
// windows one level down are; with no window manager at all it is one itself.
QList<xcb_window_t> prozoriPrograma(VezaX& x, xcb_atom_t wmState) {
    QList<xcb_window_t> vrh;
    for (const QList<xcb_window_t>& d : x.djeca(x.korijeni()))
        vrh += d;
    std::reverse(vrh.begin(), vrh.end());
    const QList<bool> vrhIma = imajuStanje(x, vrh, wmState);
    QList<xcb_window_t> okviri;
    for (qsizetype i = 0; i < vrh.size(); ++i)
        if (!vrhIma[i])
            okviri << vrh[i];
    const QList<QList<xcb_window_t>> unutar = x.djeca(okviri);
    QList<xcb_window_t> sviUnutar;
    for (const QList<xcb_window_t>& d : unutar)
        sviUnutar += d;
    const QList<bool> unutarIma = imajuStanje(x, sviUnutar, wmState);

    QList<xcb_window_t> prozori;
    for (qsizetype i = 0, okvir = 0, k = 0; i < vrh.size(); ++i) {
        if (vrhIma[i]) {
            prozori << vrh[i];
            continue;
        }
        const QList<xcb_window_t>& djeca = unutar[okvir++];
        const qsizetype prije = prozori.size();
        for (qsizetype j = djeca.size() - 1; j >= 0; --j)
            if (unutarIma[k + j])
                prozori << djeca[j];
        k += djeca.size();
        if (prozori.size() == prije)
            prozori << vrh[i];
    }
    return prozori;
}

QString tekstNaslova(const Svojstvo& s, xcb_atom_t utf8) {
    if (s.tip == utf8)
        return QString::fromUtf8(s.bajtovi);
    return QString::fromLatin1(s.bajtovi);
}

} // namespace

RučkaProzora NađiProzorNaX(const QString& naslov) {
    VezaX x;
    if (!x)
        return 0;
    const xcb_atom_t utf8 = x.atom("UTF8_STRING");
    const xcb_atom_t netIme = x.atom("_NET_WM_NAME");
    const xcb_atom_t netPid = x.atom("_NET_WM_PID");
    const QList<xcb_window_t> prozori = prozoriPrograma(x, x.atom("WM_STATE"));
    const QList<Svojstvo> netImena = x.svojstva(prozori, netIme);
    const QList<Svojstvo> imena = x.svojstva(prozori, XCB_ATOM_WM_NAME);
    const QList<Svojstvo> pidovi = x.svojstva(prozori, netPid);
    for (qsizetype i = 0; i < prozori.size(); ++i) {
        // This program's own windows do not count.
        if (pidovi[i].broj() == quint32(getpid()))
            continue;
        const Svojstvo& ime = netImena[i].bajtovi.isEmpty() ? imena[i] : netImena[i];
        if (ime.bajtovi.isEmpty())
            continue;
        if (tekstNaslova(ime, utf8).compare(naslov, Qt::CaseInsensitive) == 0)
            return prozori[i];
    }
    return 0;
}

bool JeIkonaNaX(RučkaProzora prozor) {
    VezaX x;
    if (!x || prozor == 0)
        return false;
    const QList<Svojstvo> s = x.svojstva({xcb_window_t(prozor)}, x.atom("WM_STATE"));
    return s.first().broj() == IconicState;
}

} // namespace velkor::posix
