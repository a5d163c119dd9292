// GoogleTest entry point for tests that need a QApplication (widgets and OpenGL).
#include <QApplication>
#include <gtest/gtest.h>

#ifdef __SANITIZE_ADDRESS__
#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

namespace {

// The GL driver is unloaded with the display when the application ends; what its globals
// still held would then be reported as leaks from a library nobody can name. An extra
// reference keeps every library loaded until the leak check at exit.
void keepLibrariesLoaded() {
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

} // namespace
#endif

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#ifdef __SANITIZE_ADDRESS__
    keepLibrariesLoaded();
#endif
    return result;
}
