#pragma once
// Several QtTest classes in one executable: each test file registers its class
// with VELKOR_TEST, and the folder's executable runs them all.
#include <QObject>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace velkor::test {

using TvornicaTesta = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TvornicaTesta>& registriraniTestovi() {
    static std::vector<TvornicaTesta> testovi;
    return testovi;
}

struct Registracija {
    explicit Registracija(TvornicaTesta t) { registriraniTestovi().push_back(std::move(t)); }
};

// A class's name picks that class; a test function's name ("ime" or "ime:oznaka")
// goes only to the class that has it; anything else, QtTest's options and their
// values, goes to every class run.
inline int pokreniSveTestove(int argc, char** argv) {
    std::vector<std::unique_ptr<QObject>> testovi;
    for (const auto& tvornica : registriraniTestovi())
        testovi.push_back(tvornica());
    const auto imaFunkciju = [](const QObject* test, const QByteArray& argument) {
        return test->metaObject()->indexOfSlot(argument.split(':')[0] + "()") >= 0;
    };
    const auto jeKlasa = [](const QObject* test, const QByteArray& argument) {
        return argument == test->metaObject()->className();
    };
    QList<QByteArray> opcije, odabir;
    for (int i = 1; i < argc; ++i) {
        const bool bira = std::any_of(testovi.begin(), testovi.end(), [&](const auto& t) {
            return jeKlasa(t.get(), argv[i]) || imaFunkciju(t.get(), argv[i]);
        });
        (bira ? odabir : opcije) << argv[i];
    }
    int neuspjeli = 0;
    for (const auto& test : testovi) {
        QList<QByteArray> argumenti{argv[0]};
        argumenti += opcije;
        bool izabran = odabir.isEmpty();
        for (const QByteArray& a : odabir) {
            izabran = izabran || jeKlasa(test.get(), a) || imaFunkciju(test.get(), a);
            if (imaFunkciju(test.get(), a))
                argumenti << a;
        }
        if (!izabran)
            continue;
        std::vector<char*> pokazivači;
        for (QByteArray& a : argumenti)
            pokazivači.push_back(a.data());
        neuspjeli += QTest::qExec(test.get(), int(pokazivači.size()), pokazivači.data());
    }
    return neuspjeli;
}

} // namespace velkor::test

#define VELKOR_TEST(Klasa)                                                                         \
    static const velkor::test::Registracija registracija_##Klasa{                                  \
        [] { return std::unique_ptr<QObject>(new Klasa); }};
