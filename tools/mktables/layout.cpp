#include "tools/mktables/layout.h"

namespace mktables {
namespace {

std::vector<Layout>& Registry() {
    static std::vector<Layout> layouts;
    return layouts;
}

int FieldSize(const Field& f) {
    switch (f.kind) {
    case Kind::U16:
    case Kind::I16:
        return 2;
    case Kind::F64:
        return 8;
    case Kind::I32:
        return 4;
    case Kind::Str:
        return 1 + f.capacity;
    }
    return 0;
}

} // namespace

LayoutRegistrar::LayoutRegistrar(std::vector<Layout> layouts) {
    for (Layout& l : layouts)
        Registry().push_back(std::move(l));
}

const std::vector<Layout>& Layouts() {
    return Registry();
}

const Layout* FindLayout(const std::string& name) {
    for (const Layout& l : Registry())
        if (l.name == name) return &l;
    return nullptr;
}

std::vector<std::string> LayoutProblems(const Layout& layout) {
    std::vector<std::string> problems;
    auto problem = [&](const std::string& text) {
        problems.push_back("layout " + layout.name + ": " + text);
    };
    std::vector<int> owner(layout.recordSize > 0 ? layout.recordSize : 0, -1);
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const Field& f = layout.fields[i];
        const int end = f.offset + FieldSize(f);
        if (f.offset < 0 || end > layout.recordSize) {
            problem(f.name + " lies outside the record");
            continue;
        }
        for (int b = f.offset; b < end; ++b) {
            if (owner[b] >= 0) {
                problem(f.name + " overlaps " + layout.fields[owner[b]].name);
                break;
            }
            owner[b] = static_cast<int>(i);
        }
        int64_t s = f.scale;
        while (s > 1 && s % 10 == 0)
            s /= 10;
        if (s != 1 || f.scale < 1 || f.scale > 1000000)
            problem(f.name + " has a scale that is not a power of ten up to 1000000");
        if (f.kind == Kind::Str && (f.capacity < 1 || f.capacity > 255))
            problem(f.name + " has a string capacity outside 1 to 255");
        for (std::size_t j = 0; j < i; ++j)
            if (layout.fields[j].name == f.name) problem(f.name + " is named twice");
    }
    auto known = [&](const std::string& name) {
        for (const Field& f : layout.fields)
            if (f.name == name) return true;
        return false;
    };
    if (!layout.orderField.empty() && !known(layout.orderField))
        problem("ordering field " + layout.orderField + " is not a field");
    for (const KeyPart& k : layout.uniqueKey)
        if (!known(k.field)) problem("key field " + k.field + " is not a field");
    return problems;
}

} // namespace mktables
