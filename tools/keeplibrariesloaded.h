#pragma once

// In sanitized builds: the GL driver is unloaded with the display when the application ends,
// and what its globals still held would then be reported as leaks from a library nobody can
// name. An extra reference keeps every library loaded until the leak check at exit. Elsewhere
// this does nothing.

#ifdef __SANITIZE_ADDRESS__
#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

inline void keepLibrariesLoaded() {
    std::vector<std::string> names;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            if (info->dlpi_name != nullptr && info->dlpi_name[0] != '\0')
                static_cast<std::vector<std::string>*>(found)->emplace_back(info->dlpi_name);
            return 0;
        },
        &names);
    for (const std::string& name : names)
        dlopen(name.c_str(), RTLD_LAZY | RTLD_NOLOAD);
}
#else
inline void keepLibrariesLoaded() {}
#endif
