#include "cli/iso1502_output.h"

#include "cli/json_writer.h"
#include "cli/text_grid.h"
#include "core/number_text.h"
#include "pages/iso1502_page.h"

#include <ostream>
#include <string>
#include <vector>

void PrintIso1502Text(const Iso1502PageText& page, std::ostream& out) {
    out << '\n' << page.caption << '\n';
    if (!page.note.empty()) {
        out << page.note << '\n';
        return;
    }
    out << page.unit << '\n';
    PrintTextGrid(page.grid, out);
    for (const std::string& line : page.lines)
        out << line << '\n';
}

void Iso1502Json(JsonWriter& j, const Iso1502PageText& page) {
    j.Key("iso1502");
    j.Open('{');
    // The page gives each value by its key path ("GoPlug/PD/Max"), the values
    // of one object one after another.
    std::vector<std::string> open;
    for (const Iso1502JsonField& f : page.json) {
        std::vector<std::string> keys;
        for (std::size_t at = 0;;) {
            const std::size_t slash = f.path.find('/', at);
            keys.push_back(f.path.substr(at, slash - at));
            if (slash == std::string::npos) break;
            at = slash + 1;
        }
        std::size_t same = 0;
        while (same < open.size() && same + 1 < keys.size() && open[same] == keys[same])
            ++same;
        for (; open.size() > same; open.pop_back())
            j.Close('}');
        for (std::size_t k = same; k + 1 < keys.size(); ++k) {
            j.KeyText(keys[k]);
            j.Open('{');
            open.push_back(keys[k]);
        }
        j.KeyText(keys.back());
        double value = 0;
        if (f.number && ParseDecimal(f.text, value))
            j.Number(value);
        else
            j.String(f.text);
    }
    for (; !open.empty(); open.pop_back())
        j.Close('}');
    j.Close('}');
}
