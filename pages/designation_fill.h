#pragma once
// The Parameters page filled from a designation typed as one text: the
// entries the page's lists and boxes take, or why the text cannot fill them.

#include "pages/parameter_page.h"

#include <string>

struct DesignationFill {
    ParameterEntry entry;
    // Empty when the page can take it; else the reader's message naming the
    // part not understood, the class or size the type's list lacks, or the
    // series the numbers do not have ("1/4-28 is UNF, not UNC").
    std::string message;
};

DesignationFill FillFromDesignation(const std::string& text);

// The position of a typed pipe size ("1-1/4", "14od") in a kind's size list; -1 when
// the kind does not offer it.
int PipeSizeEntry(int kindIndex, const std::string& typed);
// The sizes a kind offers: "1/16, 1/8, 1/4, ...".
std::string PipeSizeList(int kindIndex);
// Why a typed size is refused: "Can not calculate. 5/8 is no NPT pipe size
// (NPT sizes: ...)"; kind is the kind's name as the thread has it.
std::string PipeSizeRefusal(int kindIndex, const std::string& kind, const std::string& typed);
