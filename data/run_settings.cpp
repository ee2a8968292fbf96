// The settings store of `make run`. The program runs there with a store of its own (the user's
// real settings stay untouched): XDG_CONFIG_HOME points into the build tree, where this tool
// prepares Vexa/Karno.conf, the file the program reads as the user's store. The build runs
//
//   prepare_run_settings DEMO.dat CONFIG-FILE
//
// which writes CONFIG-FILE when it does not exist yet: the version confirmed (so no new-version
// dialog), the demo price list's section registered and made the default, its source the file
// DEMO.dat (by its absolute path), no update test on the web. An existing file is left as it
// is, so what the user changes between runs stays.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "demo_settings.h"
#include "platform/qt/qt_settings_store.h"

namespace {

int Prepare(const std::filesystem::path& priceList, const std::filesystem::path& config)
{
    std::error_code error;
    if (std::filesystem::exists(config, error)) {
        std::printf("prepare_run_settings: keeping %s\n", config.c_str());
        return 0;
    }
    if (config.has_parent_path()) std::filesystem::create_directories(config.parent_path());
    std::string failure;
    std::string section;
    try {
        belvo::QtSettingsStore store(config.string());
        section = belvo::ConfigureDemoSettings(store, priceList.string());
        failure = store.Flush();
    } catch (...) {
        // An unreadable price list leaves no half-made store behind.
        std::filesystem::remove(config, error);
        throw;
    }
    if (!failure.empty()) {
        std::filesystem::remove(config, error);
        std::fprintf(stderr, "prepare_run_settings: %s\n", failure.c_str());
        return 1;
    }
    std::printf("prepare_run_settings: wrote %s (price list %s, section %s)\n", config.c_str(),
                std::filesystem::absolute(priceList).c_str(), section.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: prepare_run_settings DEMO.dat CONFIG-FILE\n");
        return 2;
    }
    try {
        return Prepare(argv[1], argv[2]);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "prepare_run_settings: %s: %s\n", argv[1], failure.what());
        return 1;
    }
}
