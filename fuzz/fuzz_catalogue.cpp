// One file of the gauge catalogue replaced by the fuzzer's bytes, loaded, and
// its points and rolls chosen for a thread of each form.

#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "fuzz/fuzz_support.h"
#include "gauges/gage_catalogue.h"
#include "pages/gauge_setting_page.h"
#include "pages/parameter_page.h"

#include <string>

namespace {

struct Thread {
    uint16_t type;
    const char *cls, *dia, *pitch;
};

const Thread kThreads[] = {
    {kTypeUN, "2A", "1/4", "20"},   {kTypeUN, "3A", "#4", "40"}, {kTypeAcme, "2G", "1", "5"},
    {kTypeButt, "2", "2", "8"},     {kTypeM, "", "10", "1.5"},   {kTypeM, "", "2", "0.4"},
    {kTypeStub, "2G", "1/2", "10"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in{data, size};
    const std::vector<std::string>& files = GageCatalogueFiles();
    const std::string& file = files[in.pick(files.size())];
    const Thread& t = kThreads[in.pick(std::size(kThreads))];
    Settings().TableDataPath = FuzzTablesDir();
    WriteFuzzFile(FuzzTablesDir() + "/" + file, in.data, in.size);
    ClearTableCache(); // every input is a new file, whatever its time stamp
    LoadGageCatalogue();
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(t.type);
    e.classText = t.cls;
    e.diameterText = t.dia;
    e.pitchText = t.pitch;
    TTInfo rec;
    if (SetUpRecord(e, rec).message.empty()) {
        rec.Calculate();
        RequireSaneLimits(rec);
        for (int page = 0; page < 4; ++page)
            BuildGaugeSettingPage(rec, page & 1, page & 2, false);
        TabledPointList(rec);
    }
    // A damaged file keeps its list as the last good load left it, so the
    // next input starts from the real catalogue again.
    RestoreTable(file);
    return 0;
}
