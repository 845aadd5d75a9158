#include "register/register_text.h"

#include "core/number_text.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string LineText(int line) {
    return "line " + std::to_string(line) + ": ";
}

bool EndsField(char c) {
    return c == ',' || c == '\n' || c == '\r';
}

// The required columns first: a header is short of one when it lacks any of them.
const std::vector<std::string> kGaugeColumns = {"serial",      "thread",     "member", "interval",
                                                "description", "class",      "owner",  "location",
                                                "status",      "thread_file"};
constexpr std::size_t kGaugeRequired = 4;
const std::vector<std::string> kCalColumns = {
    "serial", "date",    "operator",         "unit",      "measured_pd", "u",
    "k",      "verdict", "certificate_path", "cal_inputs"};
constexpr std::size_t kCalRequired = 8;

enum GaugeColumn {
    gSerial,
    gThread,
    gMember,
    gInterval,
    gDescription,
    gClass,
    gOwner,
    gLocation,
    gStatus,
    gThreadFile
};
enum CalColumn { cSerial, cDate, cOperator, cUnit, cPD, cU, cK, cVerdict, cCertificate, cInputs };

// The field of `column`; empty when the file leaves the column out.
std::string Field(const CsvLayout& l, const std::vector<std::string>& fields, int column) {
    const int at = l.at[static_cast<std::size_t>(column)];
    return at < 0 ? std::string() : fields[static_cast<std::size_t>(at)];
}

std::string ReadNumber(const char* what, const std::string& text, double& value) {
    if (ParseDecimal(text, value)) return {};
    return std::string("The ") + what + " \"" + Trim(text) + "\" is not a number.";
}

void AppendJson(std::string& out, const std::string& s) {
    out += '"';
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\')
            (out += '\\') += ch;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c < 0x20 || c == 0x7F) {
            char u[8];
            std::snprintf(u, sizeof u, "\\u%04x", c);
            out += u;
        } else
            out += ch;
    }
    out += '"';
}

// Builds one JSON object: key, value, key, value ...
class JsonLine {
public:
    JsonLine& Text(const char* key, const std::string& value) {
        AppendJson(Key(key), value);
        return *this;
    }
    JsonLine& Raw(const char* key, const std::string& value) {
        Key(key) += value;
        return *this;
    }
    JsonLine& Date(const char* key, const std::optional<::Date>& d) {
        return d ? Text(key, IsoDateText(*d)) : Raw(key, "null");
    }
    std::string Done() { return out_ + "}"; }

private:
    std::string& Key(const char* key) {
        out_ += out_.size() == 1 ? "\"" : ",\"";
        return (out_ += key) += "\":";
    }
    std::string out_ = "{";
};

} // namespace

bool ParseCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error) {
    const std::size_t n = text.size();
    std::size_t i = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    int line = 1;
    while (i < n) {
        CsvRow row;
        row.line = line;
        for (;;) {
            std::string field;
            if (i < n && text[i] == '"') {
                for (++i;; ++i) {
                    if (i >= n) {
                        error = LineText(row.line) + "a quoted field is not closed.";
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < n && text[i + 1] == '"')
                            ++i;
                        else
                            break;
                    } else if (text[i] == '\n')
                        ++line;
                    field += text[i];
                }
                if (++i < n && !EndsField(text[i])) {
                    error = LineText(line) + "text follows a quoted field's closing quote.";
                    return false;
                }
            } else {
                for (; i < n && !EndsField(text[i]); ++i) {
                    if (text[i] == '"') {
                        error = LineText(line) + "a quote inside a field that is not quoted.";
                        return false;
                    }
                    field += text[i];
                }
            }
            row.fields.push_back(std::move(field));
            if (i >= n || text[i] != ',') break;
            ++i;
        }
        if (i < n && text[i] == '\r') ++i;
        if (i < n && text[i] == '\n') ++i;
        ++line;
        if (row.fields.size() > 1 || !row.fields[0].empty()) rows.push_back(std::move(row));
    }
    return true;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& f = fields[i];
        if (i > 0) out += ',';
        const bool quote = f.find_first_of(",\"\r\n") != std::string::npos ||
                           (!f.empty() && (f.front() == ' ' || f.back() == ' '));
        if (!quote) {
            out += f;
            continue;
        }
        out += '"';
        for (const char c : f)
            (c == '"' ? out += "\"\"" : out += c);
        out += '"';
    }
    return out + "\r\n";
}

const std::vector<std::string>& GaugeCsvColumns() {
    return kGaugeColumns;
}
const std::vector<std::string>& CalibrationCsvColumns() {
    return kCalColumns;
}

std::vector<std::string> GaugeCsvFields(const GaugeRecord& g) {
    return {g.serial,
            g.thread,
            MemberName(g.member),
            std::to_string(g.intervalDays),
            g.description,
            ClassName(g.gaugeClass),
            g.owner,
            g.location,
            StatusName(g.status),
            g.threadFile};
}

std::vector<std::string> CalibrationCsvFields(const std::string& serial,
                                              const CalibrationRecord& c) {
    return {serial,          IsoDateText(c.date),      c.operatorName,
            c.unit,          NumberText(c.measuredPD), NumberText(c.expandedU),
            NumberText(c.k), VerdictName(c.verdict),   c.certificatePath,
            c.calInputs};
}

std::string ReadCsvHeader(const std::vector<std::string>& header, CsvLayout& layout) {
    std::vector<std::string> names;
    for (const std::string& h : header)
        names.push_back(LowerCase(Trim(h)));
    layout.calibrations = std::ranges::find(names, "date") != names.end();
    const auto& known = layout.calibrations ? kCalColumns : kGaugeColumns;
    const std::size_t required = layout.calibrations ? kCalRequired : kGaugeRequired;
    layout.fields = header.size();
    layout.at.assign(known.size(), -1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto k = std::ranges::find(known, names[i]);
        if (k == known.end()) return "The column \"" + Trim(header[i]) + "\" is unknown.";
        int& at = layout.at[static_cast<std::size_t>(k - known.begin())];
        if (at >= 0) return "The column \"" + names[i] + "\" appears twice.";
        at = static_cast<int>(i);
    }
    for (std::size_t k = 0; k < required; ++k)
        if (layout.at[k] < 0) return "The column \"" + known[k] + "\" is missing.";
    return {};
}

std::string GaugeFromCsv(const CsvLayout& l, const std::vector<std::string>& fields,
                         GaugeRecord& g) {
    const auto f = [&](GaugeColumn c) { return Field(l, fields, c); };
    g = GaugeRecord();
    g.serial = f(gSerial);
    g.thread = f(gThread);
    g.description = f(gDescription);
    g.owner = f(gOwner);
    g.location = f(gLocation);
    g.threadFile = f(gThreadFile);
    long long days = 0;
    if (!ParseWholeNumber(f(gInterval), days))
        return "The interval \"" + Trim(f(gInterval)) + "\" is not a whole number of days.";
    g.intervalDays = static_cast<int>(std::clamp<long long>(days, -1, kMaxIntervalDays + 1));
    if (std::string why = ReadMember(f(gMember), g.member); !why.empty()) return why;
    g.gaugeClass = DefaultClassOf(g.member);
    if (!Trim(f(gClass)).empty())
        if (std::string why = ReadClass(f(gClass), g.gaugeClass); !why.empty()) return why;
    if (!Trim(f(gStatus)).empty())
        if (std::string why = ReadStatus(f(gStatus), g.status); !why.empty()) return why;
    return CheckGauge(g);
}

std::string CalibrationFromCsv(const CsvLayout& l, const std::vector<std::string>& fields,
                               std::string& serial, CalibrationRecord& c) {
    const auto f = [&](CalColumn col) { return Field(l, fields, col); };
    c = CalibrationRecord();
    serial = Trim(f(cSerial));
    if (serial.empty()) return "The serial number is empty.";
    c.operatorName = f(cOperator);
    c.unit = f(cUnit);
    c.certificatePath = f(cCertificate);
    c.calInputs = f(cInputs);
    for (const std::string& why :
         {ReadDate(f(cDate), c.date), ReadNumber("measured_pd", f(cPD), c.measuredPD),
          ReadNumber("u", f(cU), c.expandedU), ReadNumber("k", f(cK), c.k),
          ReadVerdict(f(cVerdict), c.verdict)})
        if (!why.empty()) return why;
    return CheckCalibration(c, Today());
}

std::string GaugeJsonLine(const RegisterEntry& e, bool whole) {
    const GaugeRecord& g = e.gauge;
    JsonLine j;
    if (whole) j.Text("record", "gauge");
    j.Text("serial", g.serial)
        .Text("description", g.description)
        .Text("thread", g.thread)
        .Text("member", MemberName(g.member))
        .Text("class", ClassName(g.gaugeClass))
        .Text("owner", g.owner)
        .Text("location", g.location)
        .Raw("interval", std::to_string(g.intervalDays))
        .Text("status", StatusName(g.status))
        .Date("last_calibration", e.lastCalibration)
        .Date("due", e.due);
    if (whole) j.Text("thread_file", g.threadFile);
    return j.Done();
}

std::string CalibrationJsonLine(const std::string& serial, const CalibrationRecord& c, bool whole) {
    JsonLine j;
    if (whole) j.Text("record", "calibration");
    j.Text("serial", serial)
        .Text("date", IsoDateText(c.date))
        .Text("operator", c.operatorName)
        .Text("unit", c.unit)
        .Raw("measured_pd", NumberText(c.measuredPD))
        .Raw("u", NumberText(c.expandedU))
        .Raw("k", NumberText(c.k))
        .Text("verdict", VerdictName(c.verdict))
        .Text("certificate_path", c.certificatePath)
        .Raw("certificate_stored",
             c.certificateStored || !c.certificatePdf.empty() ? "true" : "false");
    if (whole) j.Text("cal_inputs", c.calInputs);
    return j.Done();
}

const std::vector<std::string>& RegisterListTitles() {
    static const std::vector<std::string> titles = {
        "Serial",   "Description",     "Thread", "Member",           "Class", "Owner",
        "Location", "Interval (days)", "Status", "Last Calibration", "Due"};
    return titles;
}

std::vector<std::string> RegisterListRow(const RegisterEntry& e) {
    const GaugeRecord& g = e.gauge;
    const std::string last = e.lastCalibration
                                 ? IsoDateText(*e.lastCalibration) + " " +
                                       VerdictName(e.lastVerdict.value_or(CalVerdict::NotProven))
                                 : "never";
    return {g.serial,
            g.description,
            g.thread,
            MemberName(g.member),
            ClassName(g.gaugeClass),
            g.owner,
            g.location,
            std::to_string(g.intervalDays),
            StatusName(g.status),
            last,
            e.due ? IsoDateText(*e.due) : "none (retired)"};
}
