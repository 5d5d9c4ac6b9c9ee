#include "backend_registry.h"

#include "headless_backend.h"
#ifdef KESTRIX_WITH_QT
#include "qt_backend_factory.h"
#endif

namespace ui {

const std::vector<BackendFactory>& AvailableBackends() {
    // A window back end goes first in this list, under the build option that compiles it.
    static const std::vector<BackendFactory> backends = {
#ifdef KESTRIX_WITH_QT
        {"qt", true, [] { return qt::CreateQtBackend(); }},
#endif
        {"headless", false, [] { return std::unique_ptr<Backend>(std::make_unique<HeadlessBackend>()); }},
    };
    return backends;
}

std::unique_ptr<Backend> ChooseBackend(bool headless, std::string& error) {
    for (const BackendFactory& factory : AvailableBackends()) {
        if (headless ? factory.showsWindows : !factory.showsWindows) continue;
        std::unique_ptr<Backend> backend = factory.create();
        if (!backend) error.clear();  // the factory has said on standard error why it cannot start
        return backend;
    }
    error = headless ? "this build has no headless back end"
                     : "this build has no window back end; run it with --headless --script FILE "
                       "(or --script - to read the script from standard input)";
    return nullptr;
}

}  // namespace ui
