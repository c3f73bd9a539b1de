#pragma once
// The whole window: every part an operation may be given. The real window
// implements it with widgets; the tests implement it with a recording fake.
// Operations take only the parts they use.
#include "base/Izvjestaji.h"
#include "base/Kontrole.h"
#include "base/Napredak.h"
#include "base/OkvirProzora.h"
#include "base/OkviriPoruka.h"
#include "base/PrikazPlana.h"

namespace velkor {

class Prozor : public OkviriPoruka,
               public Napredak,
               public Izvještaji,
               public PrikazPlana,
               public Kontrole,
               public OkvirProzora {};

} // namespace velkor
