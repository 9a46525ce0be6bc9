#include "extract_gen.h"

#include <charconv>
#include <cstdint>
#include <string_view>

#include "core/schema.h"
#include "core/stringlist.h"
#include "core/template_text.h"

namespace qs::bench {

namespace {

// A small deterministic generator, so that runs are comparable.
struct TRandom {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    std::uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<std::uint32_t>(state >> 16);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }
};

void AppendNumber(std::string& out, long value, int width = 0) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    for (int pad = width - static_cast<int>(result.ptr - buffer); pad > 0; --pad)
        out += '0';
    out.append(buffer, result.ptr);
}

void AppendMoney(std::string& out, TRandom& random, bool thousands) {
    const long dollars = random.Below(250000);
    if (thousands && dollars >= 1000) {
        AppendNumber(out, dollars / 1000);
        out += ',';
        AppendNumber(out, dollars % 1000, 3);
    } else {
        AppendNumber(out, dollars);
    }
    out += '.';
    AppendNumber(out, random.Below(100), 2);
}

constexpr std::string_view kWords[] = {"NORTHWIND", "Contoso", "Jane",     "Doe",
                                       "Avenue",    "Suite",   "Holdings", "Springfield",
                                       "Robert",    "O'Neil",  "Trading",  "Partners"};

// One valid value for a field of the code, appended to out.
void AppendValue(std::string& out, char code, long record, TRandom& random) {
    switch (code) {
        case '$': {
            const int words = 1 + random.Below(3);
            for (int w = 0; w < words; ++w) {
                if (w > 0)
                    out += ' ';
                out += kWords[random.Below(static_cast<int>(std::size(kWords)))];
            }
            out += ' ';
            AppendNumber(out, record);
            break;
        }
        case 'c':
            if (random.Below(4) == 0)
                out += '$';
            AppendMoney(out, random, random.Below(2) == 0);
            break;
        case 'C':
            if (random.Below(5) == 0)
                out += '-';
            AppendMoney(out, random, false);
            break;
        case 'w':
            AppendNumber(out, random.Below(100000));
            break;
        case '#':
            AppendNumber(out, random.Below(10000));
            out += '.';
            AppendNumber(out, random.Below(1000), 3);
            break;
        case 'u':
            AppendNumber(out, random.Below(100), 2);
            break;
        case 'I':
            out += random.Below(2) == 0 ? "Y" : "N";
            break;
        case 'T':
            out += random.Below(2) == 0 ? "SSN" : "EIN";
            break;
        case 'N':
            if (random.Below(2) == 0) {
                AppendNumber(out, 10 + random.Below(89), 2);
                out += '-';
                AppendNumber(out, random.Below(10000000), 7);
                break;
            }
            [[fallthrough]];
        case 'n':
            AppendNumber(out, 100 + random.Below(800), 3);
            out += '-';
            AppendNumber(out, 10 + random.Below(89), 2);
            out += '-';
            AppendNumber(out, random.Below(10000), 4);
            break;
        case 'D':
        case 'd':
        case 'b':
            AppendNumber(out, 1 + random.Below(12), 2);
            out += '/';
            AppendNumber(out, 1 + random.Below(28), 2);
            out += "/2017";
            break;
        case 'Y':
        case 'y':
            out += "2017";
            break;
        case 'O':
            out += static_cast<char>('a' + random.Below(6));
            break;
        case 'o':
            out += "1A";
            break;
        case 'h':
            out += "2C";
            break;
        case 'p':
            AppendNumber(out, random.Below(13), 2);
            break;
        case 'g':
            out += static_cast<char>('1' + random.Below(9));
            break;
        default:
            out += 'A';
            break;
    }
}

}  // namespace

std::vector<int> ParseFieldChoice(const std::string& choice, int fieldCount) {
    std::vector<int> positions;
    if (choice == "all") {
        for (int p = 0; p < fieldCount; ++p)
            positions.push_back(p);
        return positions;
    }
    if (choice.find(',') == std::string::npos) {
        int count = 0;
        const auto [end, ec] = std::from_chars(choice.data(), choice.data() + choice.size(), count);
        if (ec != std::errc() || end != choice.data() + choice.size() || count < 1 ||
            count > fieldCount) {
            return {};
        }
        for (int p = 0; p < count; ++p)
            positions.push_back(p);
        return positions;
    }
    std::vector<bool> chosen(static_cast<std::size_t>(fieldCount), false);
    std::size_t start = 0;
    while (start <= choice.size()) {
        const std::size_t comma = std::min(choice.find(',', start), choice.size());
        int p = -1;
        const auto [end, ec] = std::from_chars(choice.data() + start, choice.data() + comma, p);
        if (ec != std::errc() || end != choice.data() + comma || p < 0 || p >= fieldCount) {
            return {};
        }
        chosen[static_cast<std::size_t>(p)] = true;
        start = comma + 1;
    }
    for (int p = 0; p < fieldCount; ++p) {
        if (chosen[static_cast<std::size_t>(p)])
            positions.push_back(p);
    }
    return positions;
}

std::string GenerateExtract(const std::string& form, long records,
                            const std::vector<int>& positions) {
    const int index = FindCatalogIndex(form);
    if (index < 0)
        return {};
    TStringList schema;
    LoadSchema(static_cast<std::uint8_t>(index), schema);

    std::vector<TFieldRow> rows(schema.size());
    for (std::size_t p = 0; p < schema.size(); ++p)
        rows[p].code = schema[p].substr(0, 1);
    for (int p : positions)
        rows[static_cast<std::size_t>(p)].checked = true;

    std::string out = "FORM " + form + "\r\nKEY " + KeyString(rows) + "\r\n{BEGIN DATA}\r\n";
    out.reserve(out.size() + static_cast<std::size_t>(records) * positions.size() * 14);
    TRandom random;
    for (long r = 0; r < records; ++r) {
        for (int p : positions) {
            AppendValue(out, schema[static_cast<std::size_t>(p)][0], r, random);
            out += "\r\n";
        }
    }
    out += "{END DATA}\r\n";
    return out;
}

}  // namespace qs::bench
