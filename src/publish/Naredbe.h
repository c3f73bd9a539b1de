#pragma once
// The two command-line tools, behind main(): arguments in, exit status out.
#include "publish/Konzola.h"

#include <QStringList>

namespace velkor {

// velkor-objava IZVOR ODREDIŠTE: 0 only when every package and the list were written.
int PokreniObjavu(const QStringList& argumenti, const QString& direktorijaAlata,
                  const Konzola& konzola);

// velkor-dnevnik [DATOTEKA], by default Update/Update.log beside the tool:
// non-zero only when the file cannot be read.
int PokreniČitanjeDnevnika(const QStringList& argumenti, const QString& direktorijaAlata,
                           const Konzola& konzola);

} // namespace velkor
