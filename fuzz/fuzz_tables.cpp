// One table file of a family replaced by the fuzzer's bytes, then a thread
// that reads it is set up and calculated as the window does, and its pages
// are built. A damaged file must end in the table-file error, nothing else.
// PL_FUZZ_GROUP names the family.

#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "fuzz/fuzz_support.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "pipe/pipe_pages.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Thread {
    uint16_t type;
    const char* cls; // inch class, metric "ext/int" classes, or the pipe kind index
    const char* dia; // or the pipe size text
    const char* pitch;
};

struct Group {
    const char* name;
    std::vector<const char*> files;
    std::vector<Thread> threads;
};

const std::vector<Group>& Groups() {
    static const std::vector<Group> groups = {
        {"unified",
         {"ansitbl.bin", "unstbl.bin", "unxtol.bin", "unwtol.bin", "gagetbl.bin", "splugtbl.bin"},
         {{kTypeUN, "2A", "#0", "80"},
          {kTypeUN, "3A", "#1", "64"},
          {kTypeUNR, "2A", "#1", "72"},
          {kTypeUNJ, "3A", "#0", "80"},
          {kTypeUN, "2A", "1", "14"},
          {kTypeUN, "1A", "0.3", "24"}}},
        {"metric",
         {"exm.bin", "inm.bin", "mextall.bin", "mintall.bin", "mextol.bin", "mintol.bin",
          "metdev.bin", "xmettol.bin", "wmettol.bin", "iso1502.bin"},
         {{kTypeM, "6g6g/6H6H", "1", "0.25"},
          {kTypeM, "4g6g/5H5H", "1", "0.25"},
          {kTypeM, "6h6h/4H5H", "1.1", "0.25"},
          {kTypeM, "6e6e/6G6G", "1", "0.2"},
          {kTypeM, "6g6g/6H6H", "1.3", "0.2"}}},
        {"mj",
         {"exmj.bin", "inmj.bin", "mjallow.bin", "mjextol.bin", "mjintol.bin", "xmettol.bin"},
         {{kTypeMJ, "4h6h/4H5H", "1", "0.2"},
          {kTypeMJ, "4h6h/4H6H", "6", "1"},
          {kTypeMJ, "4h6h/4H5H", "1.2", "0.25"}}},
        {"acme",
         {"acmetbl.bin", "acmeall.bin", "acmego.bin"},
         {{kTypeAcme, "2G", "1/4", "16"},
          {kTypeAcme, "3G", "0.25", "16"},
          {kTypeAcme, "4G", "1", "5"},
          {kTypeAcme, "2C", "1/4", "16"}}},
        {"stub",
         {"stubtbl.bin", "stuball.bin", "stubgo.bin", "acmego.bin"},
         {{kTypeStub, "2G", "1/4", "16"},
          {kTypeSAM1, "2G", "1/2", "10"},
          {kTypeSAM2, "2G", "1", "8"},
          {kTypeStub, "2G", "1", "5"}}},
        {"buttress",
         {"but745x.bin", "but745w.bin"},
         {{kTypeButt, "2", "2", "8"}, {kTypeButt, "3", "1", "20"}, {kTypeButt, "1", "10", "4"}}},
        {"pipe",
         {"npt.bin", "nptgage.bin", "npttol.bin", "npsc.bin", "nptr.bin", "npsm.bin", "npsl.bin"},
         {{kTypeNPT, "0", "1/16", ""},
          {kTypeNPT, "0", "1", ""},
          {kTypeNPT, "1", "1/8", ""},
          {kTypeNPT, "2", "1/2", ""},
          {kTypeNPT, "3", "1/8", ""},
          {kTypeNPT, "4", "1/8", ""}}},
    };
    return groups;
}

const Group& ThisGroup() {
    for (const Group& g : Groups())
        if (std::strcmp(g.name, PL_FUZZ_GROUP) == 0) return g;
    std::abort();
}

void CalculateThread(const Thread& t, bool metricDisplay) {
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(t.type);
    if (t.type == kTypeNPT) {
        e.pipe = true;
        e.pipeKind = std::atoi(t.cls);
        static const char* const kinds[] = {"NPT", "NPSC", "NPTR", "NPSM", "NPSL"};
        e.classText = kinds[e.pipeKind];
        const std::vector<std::string> sizes = PipeSizeTexts(e.pipeKind);
        for (std::size_t i = 0; i < sizes.size(); ++i)
            if (sizes[i] == t.dia) e.pipeSize = static_cast<int>(i);
        e.pipeSizeText = sizes.at(static_cast<std::size_t>(e.pipeSize));
        e.pitchText = "1.0";
    } else if (t.type == kTypeM || t.type == kTypeMJ) {
        const std::string cls = t.cls;
        e.extTolText = cls.substr(0, cls.find('/'));
        e.intTolText = cls.substr(cls.find('/') + 1);
        e.diameterText = t.dia;
        e.pitchText = t.pitch;
    } else {
        e.classText = t.cls;
        e.diameterText = t.dia;
        e.pitchText = t.pitch;
    }
    TTInfo rec;
    if (!SetUpRecord(e, rec).message.empty()) return;
    rec.Calculate();
    RequireSaneLimits(rec);
    if (t.type == kTypeNPT)
        BuildPipePages(rec);
    else
        BuildResultPages(rec, "fuzz.thd", metricDisplay);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const Group& g = ThisGroup();
    FuzzInput in{data, size};
    const char* file = g.files[in.pick(g.files.size())];
    const Thread& thread = g.threads[in.pick(g.threads.size())];
    const bool metricDisplay = in.pick(2) == 1;
    const std::string dir = FuzzTablesDir();
    Settings().TableDataPath = dir;
    WriteFuzzFile(dir + "/" + file, in.data, in.size);
    ClearTableCache(); // every input is a new file, whatever its time stamp
    try {
        CalculateThread(thread, metricDisplay);
    } catch (const TableError&) {
    }
    RestoreTable(file);
    return 0;
}
