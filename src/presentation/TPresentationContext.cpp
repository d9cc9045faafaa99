#include "presentation/TPresentationContext.h"

namespace {

TPresentationContext* Installed = nullptr;

TPresentationContext& Defaults() {
    static TPresentationContext defaults;
    return defaults;
}

}  // namespace

TPresentationContext& PresentationContext() {
    return Installed ? *Installed : Defaults();
}

void InstallPresentationContext(TPresentationContext* context) {
    Installed = context;
}
