#include "ol/data/files/route_file.h"

#include "base/settings/settings_state.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"

namespace oltoma::ol {
namespace {

constexpr int kRoute24Format = 1;

int FormatInSettings() {
    return WorkingGlobalSettings().routeDescriptionFormat;
}

}  // namespace

bool IsRoute24Format(int routeDescriptionFormat) {
    return routeDescriptionFormat == kRoute24Format;
}

bool OpenRouteFile() {
    OlState& ol = Ol();
    CloseRouteFile();
    ol.routeFormatInUse = FormatInSettings();
    bool opened = false;
    if (IsRoute24Format(ol.routeFormatInUse)) {
        opened = OpenDataFile(ol.route24File, kRoute24Base);
        ol.Route24FileOpen = opened;
    } else {
        opened = OpenDataFile(ol.routeFile, kRouteBase);
        ol.RouteFileOpen = opened;
    }
    ClearRoute();
    ClearRoute24();
    return opened;
}

void CloseRouteFile() {
    OlState& ol = Ol();
    CloseDataFile(ol.route24File, kRoute24Base);
    CloseDataFile(ol.routeFile, kRouteBase);
    ol.Route24FileOpen = false;
    ol.RouteFileOpen = false;
}

bool SwitchRouteFormat() {
    OlState& ol = Ol();
    if (ol.CommonFilesOpen &&
        IsRoute24Format(FormatInSettings()) != IsRoute24Format(ol.routeFormatInUse) &&
        !OpenRouteFile()) {
        // Without its route description file the group is not open; close
        // the rest of it too, so no handle outlives its group.
        CloseCommonFiles();
    }
    return ol.CommonFilesOpen;
}

}  // namespace oltoma::ol
