#include "core/verification_report.h"

#include <cstddef>

namespace qs {

namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Appends "name": to out, after a comma unless it opens the object.
void Key(std::string& out, const char* name, bool first = false) {
    if (!first)
        out += ',';
    out += '"';
    out += name;
    out += "\":";
}

void AppendJsonString(std::string& out, std::string_view bytes) {
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    // Control characters, DEL, and the bytes above 127 as
                    // their Latin-1 code points.
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 0x0F];
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
}

}  // namespace

std::string ProblemLine(const TValueProblem& problem) {
    return "line " + std::to_string(problem.line) + ": " + ProblemText(problem);
}

std::string ClosingLine(const TVerification& verification) {
    std::string line = Count(verification.problemCount, "problem", "problems") + " in " +
                       Count(verification.recordCount, "record", "records");
    if (verification.problems.size() < verification.problemCount) {
        line += " (first " + std::to_string(verification.problems.size()) + " shown)";
    }
    return line;
}

std::vector<std::string> TotalLines(const TVerification& verification) {
    std::vector<std::string> lines;
    for (const TMoneyTotal& total : verification.totals)
        lines.push_back("TOTAL " + total.caption + ": " + TotalText(total));
    return lines;
}

std::string JsonString(std::string_view bytes) {
    std::string out;
    AppendJsonString(out, bytes);
    return out;
}

std::string VerificationJson(std::string_view extractFileName, const TVerification& verification) {
    std::string out = "{";
    Key(out, "extract", true);
    AppendJsonString(out, extractFileName);
    Key(out, "form");
    AppendJsonString(out, verification.formName);
    Key(out, "records");
    out += std::to_string(verification.recordCount);
    Key(out, "problemCount");
    out += std::to_string(verification.problemCount);
    Key(out, "problems");
    out += '[';
    for (std::size_t i = 0; i < verification.problems.size(); ++i) {
        const TValueProblem& p = verification.problems[i];
        out += i == 0 ? "{" : ",{";
        Key(out, "line", true);
        out += std::to_string(p.line);
        Key(out, "record");
        out += std::to_string(p.record);
        Key(out, "field");
        out += std::to_string(p.field);
        Key(out, "position");
        out += std::to_string(p.position);
        Key(out, "caption");
        AppendJsonString(out, p.caption);
        Key(out, "reason");
        AppendJsonString(out, p.reason);
        Key(out, "raw");
        AppendJsonString(out, p.raw);
        Key(out, "message");
        AppendJsonString(out, ProblemText(p));
        out += '}';
    }
    out += ']';
    Key(out, "totals");
    out += '[';
    for (std::size_t i = 0; i < verification.totals.size(); ++i) {
        const TMoneyTotal& t = verification.totals[i];
        out += i == 0 ? "{" : ",{";
        Key(out, "field", true);
        out += std::to_string(t.field);
        Key(out, "position");
        out += std::to_string(t.position);
        Key(out, "caption");
        AppendJsonString(out, t.caption);
        Key(out, "code");
        AppendJsonString(out, t.code);
        Key(out, "total");
        if (t.overflow) {
            out += "null";
        } else {
            AppendJsonString(out, TotalText(t));
        }
        Key(out, "tenThousandths");
        out += t.overflow ? "null" : std::to_string(t.tenThousandths);
        Key(out, "overflow");
        out += t.overflow ? "true" : "false";
        Key(out, "moreThanTwoDecimals");
        out += t.moreThanTwoDecimals ? "true" : "false";
        Key(out, "values");
        out += std::to_string(t.valueCount);
        out += '}';
    }
    out += "]}";
    return out;
}

std::string FailureJson(std::string_view extractFileName, std::string_view formName,
                        std::string_view message) {
    std::string out = "{";
    Key(out, "extract", true);
    AppendJsonString(out, extractFileName);
    Key(out, "form");
    if (formName.empty()) {
        out += "null";
    } else {
        AppendJsonString(out, formName);
    }
    Key(out, "records");
    out += "null";
    Key(out, "problemCount");
    out += '1';
    Key(out, "problems");
    out += "[{";
    Key(out, "message", true);
    AppendJsonString(out, message);
    out += "}]";
    Key(out, "totals");
    out += "[]}";
    return out;
}

}  // namespace qs
