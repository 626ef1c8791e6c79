// Reading, writing and sorting the high-score tables.
#include "common/score_table.h"

#include "common/file_io.h"
#include "common/scramble.h"
#include "common/text_scan.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace crv {

namespace {

void markCorrupt(ScoreRow& row) {
    setRowName(row, corruptScoreName);
    row.score = 0;
}

/// True when the name has no character that the reader would keep.
bool isBlank(std::string_view name) {
    return name.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
}

/// One read attempt, "%d %[^\n]\n".
void parseRow(TextScanner& scanner, ScoreRow& row) {
    std::int32_t stored = 0;
    if (!scanInt(scanner, stored)) {
        markCorrupt(row);
        skipLine(scanner);
        return;
    }
    skipSpace(scanner);
    const std::size_t end = std::min(scanner.text.find('\n', scanner.pos), scanner.text.size());
    const std::string_view name = scanner.text.substr(scanner.pos, end - scanner.pos);
    scanner.pos = end;
    skipSpace(scanner);
    if (const auto score = decodeScore(stored, highScorePair)) {
        setRowName(row, name);
        row.score = *score;
    } else {
        markCorrupt(row);
    }
}

} // namespace

const char* scoreFileName(std::int32_t gameMode) {
    return gameMode != 0 ? swingScoreFileName : staticScoreFileName;
}

ScoreTable freshScoreTable() {
    ScoreTable table{};
    for (int k = 0; k < scoreRowCount; ++k) {
        setRowName(table.rows[k], "Zelmorath");
        table.rows[k].score = 10000 - 500 * k;
    }
    return table;
}

void setRowName(ScoreRow& row, std::string_view name) {
    name = name.substr(0, name.find('\n'));
    name = name.substr(0, name.find('\0'));
    if (name.size() > nameFieldSize - 1) {
        std::size_t length = nameFieldSize - 1;
        // Back off over UTF-8 continuation bytes so no character is cut in half.
        while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xc0) == 0x80) {
            --length;
        }
        name = name.substr(0, length);
    }
    // A blank name cannot be stored: the reader would take the next line as the name.
    if (isBlank(name)) {
        name = noNameEntered;
    }
    std::memset(row.name, 0, sizeof row.name);
    std::memcpy(row.name, name.data(), name.size());
}

ScoreTable parseScoreTable(std::string_view text) {
    ScoreTable table{};
    TextScanner scanner{text};
    for (ScoreRow& row : table.rows) {
        parseRow(scanner, row);
    }
    return table;
}

std::string formatScoreTable(const ScoreTable& table) {
    std::string text;
    for (const ScoreRow& row : table.rows) {
        // The field may arrive unterminated from a caller; never read past it.
        const std::string_view name(row.name, strnlen(row.name, sizeof row.name));
        text += std::to_string(encodeScore(row.score, highScorePair));
        text += ' ';
        text += isBlank(name) ? std::string_view(noNameEntered) : name;
        text += '\n';
    }
    return text;
}

ScoreTable readScoreTable(const char* fileName, FileStatus* status) {
    const FileText file = readSharedFile(fileName, status);
    return file.error == 0 ? parseScoreTable(file.text) : freshScoreTable();
}

FileStatus writeScoreTable(const ScoreTable& table, const char* fileName) {
    return replaceFile(fileName, formatScoreTable(table));
}

FileStatus updateScoreTable(const char* fileName, const std::function<void(ScoreTable&)>& change) {
    return underSaveLock([&] { return updateScoreTableUnderLock(fileName, change); });
}

FileStatus updateScoreTableUnderLock(const char* fileName,
                                     const std::function<void(ScoreTable&)>& change) {
    FileStatus read;
    ScoreTable table = readScoreTable(fileName, &read);
    if (!read) {
        return read;
    }
    sortScoreTable(table);
    if (change) {
        change(table);
        sortScoreTable(table);
    }
    return writeScoreTable(table, fileName);
}

void sortScoreTable(ScoreTable& table) {
    for (int i = 0; i < scoreRowCount; ++i) {
        for (int j = i; j < scoreRowCount; ++j) {
            if (table.rows[j].score > table.rows[i].score) {
                std::swap(table.rows[i], table.rows[j]);
            }
        }
    }
}

bool scoreEntersTable(const ScoreTable& table, std::int32_t score) {
    ScoreTable sorted = table;
    sortScoreTable(sorted);
    return score > sorted.rows[scoreRowCount - 1].score;
}

float parseBestScore(std::string_view text) {
    TextScanner scanner{text};
    std::int32_t stored = 0;
    if (!scanInt(scanner, stored)) {
        return 0.0f;
    }
    return static_cast<float>(decodeScore(stored, highScorePair).value_or(0));
}

float readBestScore(std::int32_t gameMode) {
    const char* fileName = scoreFileName(gameMode);
    const FileText file = readSharedFile(fileName);
    return file.error == 0 ? parseBestScore(file.text) : 10000.0f;
}

} // namespace crv
