// Writes a large data extract: gen_extract FORM RECORDS FIELDS OUTPUT
// FIELDS is "all", a count N (the first N fields) or a list of positions "0,11,18".
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/schema.h"
#include "extract_gen.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s FORM RECORDS FIELDS OUTPUT\n", argv[0]);
        return 64;
    }
    const std::string form = argv[1];
    long records = -1;
    const char* recordsEnd = argv[2] + std::strlen(argv[2]);
    const auto parsed = std::from_chars(argv[2], recordsEnd, records);
    const int index = qs::FindCatalogIndex(form);
    if (index < 0 || parsed.ec != std::errc() || parsed.ptr != recordsEnd || records < 0) {
        std::fprintf(stderr, "%s: unknown form or bad record count\n", argv[0]);
        return 64;
    }
    const auto positions = qs::bench::ParseFieldChoice(argv[3], qs::CatalogFieldCount(index));
    if (positions.empty()) {
        std::fprintf(stderr, "%s: bad field choice \"%s\"\n", argv[0], argv[3]);
        return 64;
    }
    const std::string text = qs::bench::GenerateExtract(form, records, positions);
    std::FILE* out = std::fopen(argv[4], "wb");
    if (out == nullptr || std::fwrite(text.data(), 1, text.size(), out) != text.size() ||
        std::fclose(out) != 0) {
        std::perror(argv[4]);
        return 1;
    }
    std::printf("%s: %ld records of %zu fields, %zu bytes\n", argv[4], records, positions.size(),
                text.size());
    return 0;
}
