#include "platform/KodnaStranica.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velkor {

namespace {
// Croatian systems run Windows-1250; without Windows it is the code page we keep.
constexpr const char* ImeKodneStranice = "windows-1250";
} // namespace

QByteArray UAnsi(const QString& tekst) {
    QStringEncoder koder(ImeKodneStranice);
    return koder.encode(tekst);
}

QString IzAnsija(const QByteArray& bajtovi) {
    QStringDecoder dekoder(ImeKodneStranice);
    return dekoder.decode(bajtovi);
}

} // namespace velkor
