#pragma once
// What a harness holds of every input beyond not crashing; a broken property
// aborts, so libFuzzer keeps the input that broke it.
#include "base/OkviriPoruka.h"

#include <cstdio>
#include <cstdlib>

#define PROVJERI(uvjet)                                                                            \
    do {                                                                                           \
        if (!(uvjet)) {                                                                            \
            std::fprintf(stderr, "Ne vrijedi: %s (%s:%d)\n", #uvjet, __FILE__, __LINE__);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// No one answers boxes in a harness.
class TihePoruke : public velkor::OkviriPoruka {
public:
    velkor::Odgovor Poruka(const QString&, velkor::Ikona, velkor::Gumbi, const QString&) override {
        return velkor::Odgovor::URedu;
    }
};
