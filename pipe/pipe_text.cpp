#include "pipe/pipe_text.h"

#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"

#include <cmath>

std::string PipeKindText(uint16_t classCode) {
    switch (classCode) {
    case kPipeNPT:
        return "NPT";
    case kPipeNPSC:
        return "NPSC";
    case kPipeNPTR:
        return "NPTR";
    case kPipeNPSM:
        return "NPSM";
    case kPipeNPSL:
        return "NPSL";
    default:
        return "";
    }
}

std::string PipeTPIText(double tpi) {
    const double whole = std::trunc(tpi);
    if (whole == 11) return TrimLeftBlanks(FormatFixed(tpi, 4, 1));
    return FormatFixed(whole, 0, 0);
}

std::string PipeDesignation(const TThdNPT& pipe) {
    // Threads per inch only once a table has given them: "4 - 1 NPT" would name
    // a thread that does not exist.
    if (!pipe.Owner || !(pipe.Found & (kFoundDims | kFoundGages)))
        return pipe.SizeText + " " + PipeKindText(pipe.ClassCode);
    return pipe.SizeText + " - " + PipeTPIText(pipe.Owner->TPI) + " " +
           PipeKindText(pipe.ClassCode);
}
