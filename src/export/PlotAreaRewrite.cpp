#include "export/PlotAreaRewrite.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

// The plot-area writer is a member of lxw_chart in the 1.1 series; other
// versions are written without the rewrite until checked.
#define HYDRIM_PLOT_AREA_HOOK (LXW_VERSION_ID >= 110 && LXW_VERSION_ID < 120)

namespace hydrim {

#if HYDRIM_PLOT_AREA_HOOK
namespace {

using PlotAreaWriter = void (*)(lxw_chart*);
struct Registration {
    PlotAreaWriter original = nullptr;
    PlotAreaRewrite rewrite;
};

std::mutex& RegistrationsMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<lxw_chart*, Registration>& Registrations() {
    static std::map<lxw_chart*, Registration> registrations;
    return registrations;
}

// Runs the library's writer into memory, rewrites what it wrote and puts
// the result into the chart's file.
void WriteRewrittenPlotArea(lxw_chart* chart) {
    Registration registration;
    {
        std::lock_guard lock(RegistrationsMutex());
        const auto found = Registrations().find(chart);
        if (found == Registrations().end()) {
            return;
        }
        registration = found->second;
    }
    char* buffer = nullptr;
    size_t size = 0;
    FILE* memory = open_memstream(&buffer, &size);
    if (!memory) {
        registration.original(chart);
        return;
    }
    FILE* file = chart->file;
    chart->file = memory;
    registration.original(chart);
    chart->file = file;
    std::fclose(memory);
    const std::string xml(buffer, size);
    std::free(buffer);
    const std::string rewritten = registration.rewrite(xml);
    std::fwrite(rewritten.data(), 1, rewritten.size(), file);
}

} // namespace

bool PlotAreaRewriteSupported() {
    return true;
}

bool RewritePlotArea(WorkbookFile& file, lxw_chart* chart, PlotAreaRewrite rewrite) {
    {
        std::lock_guard lock(RegistrationsMutex());
        Registrations()[chart] = Registration{chart->write_plot_area, std::move(rewrite)};
    }
    chart->write_plot_area = WriteRewrittenPlotArea;
    file.OnFinish([chart] {
        std::lock_guard lock(RegistrationsMutex());
        Registrations().erase(chart);
    });
    return true;
}

#else

bool PlotAreaRewriteSupported() {
    return false;
}

bool RewritePlotArea(WorkbookFile&, lxw_chart*, PlotAreaRewrite) {
    return false;
}

#endif

} // namespace hydrim
