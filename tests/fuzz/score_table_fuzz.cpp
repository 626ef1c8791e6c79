// libFuzzer target: any score file reads safely, and the table it gives is stored unchanged.
#include "common/score_table.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    crv::ScoreTable table = crv::parseScoreTable(text);
    for (const crv::ScoreRow& row : table.rows) {
        const std::size_t length = strnlen(row.name, sizeof row.name);
        if (length == 0 || length >= sizeof row.name ||
            std::memchr(row.name, '\n', length) != nullptr) {
            std::abort();
        }
    }
    // A stored table must read back as itself: no row may shift or change.
    const std::string written = crv::formatScoreTable(table);
    if (crv::formatScoreTable(crv::parseScoreTable(written)) != written) {
        std::abort();
    }
    // The entry test sees the table as shown: a score enters exactly when it beats the
    // lowest row, wherever that row was stored.
    std::int32_t lowest = table.rows[0].score;
    for (const crv::ScoreRow& row : table.rows) {
        lowest = row.score < lowest ? row.score : lowest;
    }
    if (crv::scoreEntersTable(table, lowest) ||
        (lowest < INT32_MAX && !crv::scoreEntersTable(table, lowest + 1))) {
        std::abort();
    }
    crv::sortScoreTable(table);
    for (int k = 1; k < crv::scoreRowCount; ++k) {
        if (table.rows[k - 1].score < table.rows[k].score) {
            std::abort();
        }
    }
    crv::parseBestScore(text);
    return 0;
}
