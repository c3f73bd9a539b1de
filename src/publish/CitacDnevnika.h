#pragma once
// The update log read back for people: one line of text per record.
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace velkor {

// Hands each record's text, without its CR LF, to ispiši as one line. Damaged
// bytes become a line that says so, and reading goes on at the next whole
// record; a record cut off at the end is shown as far as it goes.
void PročitajDnevnik(QByteArrayView bajtovi, const std::function<void(const QString&)>& ispiši);

} // namespace velkor
