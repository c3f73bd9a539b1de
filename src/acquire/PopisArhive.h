#pragma once
// What 7-Zip's technical listing of a package tells about it, before anything
// of it is unpacked into `Update/`.
#include <QByteArray>
#include <QString>
#include <optional>

namespace velkor {

// Why the package may not be unpacked for the item ime of veličina bytes; empty
// when it may: it must hold that one plain file and nothing else.
// popis: the output of "7za l -slt" in UTF-8.
QString ManaArhive(const QByteArray& popis, const QString& ime, std::optional<qint64> veličina);

} // namespace velkor
