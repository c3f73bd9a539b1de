#include "install/AppJeStartana.h"

#include "platform/Platforma.h"

namespace velkor {

bool AppJeStartana(Platforma& platforma, const QString& naslov) {
    const RučkaProzora prozor = platforma.NađiProzor(naslov);
    if (prozor == 0)
        return false;
    platforma.PošaljiPoruku1042(prozor);
    if (platforma.JeMinimiziran(prozor))
        platforma.PrikažiMinimizirano(prozor);
    return true;
}

} // namespace velkor
