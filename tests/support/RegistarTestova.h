#pragma once
// Several QtTest classes in one executable: each test file registers its class
// with VELKOR_TEST, and the folder's executable runs them all.
#include <QObject>
#include <QTest>
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

inline int pokreniSveTestove(int argc, char** argv) {
    int neuspjeli = 0;
    for (const auto& tvornica : registriraniTestovi())
        neuspjeli += QTest::qExec(tvornica().get(), argc, argv);
    return neuspjeli;
}

} // namespace velkor::test

#define VELKOR_TEST(Klasa)                                                                         \
    static const velkor::test::Registracija registracija_##Klasa{                                  \
        [] { return std::unique_ptr<QObject>(new Klasa); }};
