#pragma once
// The registration tool's stand-in from tools/ on a PATH of the test's own (or
// no tool at all), recording into a file of the test's own; PATH is restored after.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace velkor::test {

class ZamjenskiAlat {
public:
    explicit ZamjenskiAlat(bool naPutu) : stariPut(qgetenv("PATH")) {
        qputenv("PATH", naPutu ? QByteArray(VELKOR_ALATI) : QFile::encodeName(dir.path()));
        qputenv("VELKOR_REGSVR32_ZAPIS", QFile::encodeName(zapis()));
    }
    ~ZamjenskiAlat() {
        qputenv("PATH", stariPut);
        qunsetenv("VELKOR_REGSVR32_ZAPIS");
    }

    QString zapis() const { return dir.filePath(QStringLiteral("RegSvr32.txt")); }
    QByteArray zapisano() const {
        QFile f(zapis());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir;
    QByteArray stariPut;
};

} // namespace velkor::test
